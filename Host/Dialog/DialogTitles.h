// The titles people see for dialogs, by the dialog's resource name: what a host's resource files
// would hold. A program sets the titles of the dialogs it may show; a dialog without one shows its
// resource name. Process-wide, set before dialogs are shown (no lock).
#ifndef DialogTitles_H
#define DialogTitles_H

#include <string>

class DialogTitles {
 public:
  static void Set(const std::string& iResource, const std::string& iTitle);
  // The title set for iResource, else iResource itself.
  static std::string Get(const std::string& iResource);
};

#endif

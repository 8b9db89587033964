#include "CATFont.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>

namespace {

// Size at which texts are measured. Metrics are unhinted, so they scale linearly and this value
// only sets the precision of the per-unit results.
constexpr double kReferenceSize = 1000.0;
const char* const kDefaultFamily = "DejaVu Sans";
// Where fonts-dejavu-core puts the face. It is opened directly when it is there: initialising
// fontconfig reads its whole configuration and font cache, which costs a short plot more time
// than drawing it. Elsewhere fontconfig finds the face.
const char* const kPackageFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// Each cairo face owns the FreeType library its FT_Face was opened in; destroying the library
// closes the face, after cairo has let go of it.
cairo_user_data_key_t sFreeTypeKey;
void sDoneFreeType(void* iLibrary) { FT_Done_FreeType(static_cast<FT_Library>(iLibrary)); }

}  // namespace

// A drawing face and its measuring font at the reference size, one cairo reference on each.
// Copies of the shared default face add references, so the face lives as long as any holder.
struct CATFont::Face {
  cairo_font_face_t* Drawing = nullptr;
  cairo_scaled_font_t* Measure = nullptr;

  Face() = default;
  Face(const Face&) = delete;
  Face& operator=(const Face&) = delete;
  ~Face() {
    if (Measure) cairo_scaled_font_destroy(Measure);
    if (Drawing) cairo_font_face_destroy(Drawing);
  }

  std::unique_ptr<Face> Share() const {
    std::unique_ptr<Face> lCopy(new (std::nothrow) Face());
    if (!lCopy) return lCopy;
    lCopy->Drawing = cairo_font_face_reference(Drawing);
    lCopy->Measure = cairo_scaled_font_reference(Measure);
    return lCopy;
  }

  // Face iIndex of the font file; null when FreeType or cairo cannot use it.
  static std::unique_ptr<Face> Load(const char* iPath, int iIndex, std::string& oFamily) {
    std::unique_ptr<Face> lFace;
    if (!iPath || !*iPath) return lFace;
    FT_Library lLibrary = nullptr;
    if (FT_Init_FreeType(&lLibrary) != 0) return lFace;
    FT_Face lFtFace = nullptr;
    if (FT_New_Face(lLibrary, iPath, iIndex, &lFtFace) != 0 || !lFtFace) {
      FT_Done_FreeType(lLibrary);
      return lFace;
    }
    oFamily = lFtFace->family_name ? lFtFace->family_name : "";
    cairo_font_face_t* lDrawing = cairo_ft_font_face_create_for_ft_face(lFtFace, FT_LOAD_NO_HINTING);
    if (cairo_font_face_status(lDrawing) != CAIRO_STATUS_SUCCESS ||
        cairo_font_face_set_user_data(lDrawing, &sFreeTypeKey, lLibrary, sDoneFreeType) != CAIRO_STATUS_SUCCESS) {
      cairo_font_face_destroy(lDrawing);
      FT_Done_FreeType(lLibrary);
      return lFace;
    }
    cairo_matrix_t lSize, lIdentity;
    cairo_matrix_init_scale(&lSize, kReferenceSize, kReferenceSize);
    cairo_matrix_init_identity(&lIdentity);
    cairo_font_options_t* lOptions = sUnhintedOptions();
    cairo_scaled_font_t* lMeasure = cairo_scaled_font_create(lDrawing, &lSize, &lIdentity, lOptions);
    cairo_font_options_destroy(lOptions);
    lFace.reset(new (std::nothrow) Face());
    if (!lFace || cairo_scaled_font_status(lMeasure) != CAIRO_STATUS_SUCCESS) {
      lFace.reset();
      cairo_scaled_font_destroy(lMeasure);
      cairo_font_face_destroy(lDrawing);
      return lFace;
    }
    lFace->Drawing = lDrawing;
    lFace->Measure = lMeasure;
    return lFace;
  }

  // Metrics that scale exactly with the size: no hinting of outlines or metrics.
  static cairo_font_options_t* sUnhintedOptions() {
    cairo_font_options_t* lOptions = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(lOptions, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(lOptions, CAIRO_HINT_STYLE_NONE);
    return lOptions;
  }

  // The file fontconfig gives for DejaVu Sans; false (with a message) when it gives another family.
  static bool FindDefault(std::string& oPath, int& oIndex) {
    if (!FcInit()) {
      std::fprintf(stderr, "CATFont: fontconfig could not be initialised\n");
      return false;
    }
    FcPattern* lPattern = FcPatternCreate();
    if (!lPattern) return false;
    FcPatternAddString(lPattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(kDefaultFamily));
    FcPatternAddInteger(lPattern, FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(lPattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, lPattern, FcMatchPattern);
    FcDefaultSubstitute(lPattern);
    FcResult lResult = FcResultNoMatch;
    FcPattern* lMatch = FcFontMatch(nullptr, lPattern, &lResult);
    FcPatternDestroy(lPattern);
    if (!lMatch) {
      std::fprintf(stderr, "CATFont: fontconfig matched no font for %s (install fonts-dejavu-core)\n",
                   kDefaultFamily);
      return false;
    }
    bool lIsDejaVu = false;
    FcChar8* lValue = nullptr;
    for (int i = 0; !lIsDejaVu && FcPatternGetString(lMatch, FC_FAMILY, i, &lValue) == FcResultMatch; ++i)
      lIsDejaVu = lValue && std::strcmp(reinterpret_cast<const char*>(lValue), kDefaultFamily) == 0;
    bool lFound = false;
    if (!lIsDejaVu) {
      std::fprintf(stderr, "CATFont: fontconfig offers no %s, only a substitute (install fonts-dejavu-core)\n",
                   kDefaultFamily);
    } else if (FcPatternGetString(lMatch, FC_FILE, 0, &lValue) == FcResultMatch && lValue) {
      oPath = reinterpret_cast<const char*>(lValue);
      if (FcPatternGetInteger(lMatch, FC_INDEX, 0, &oIndex) != FcResultMatch) oIndex = 0;
      lFound = true;
    } else {
      std::fprintf(stderr, "CATFont: fontconfig gives no file for %s\n", kDefaultFamily);
    }
    FcPatternDestroy(lMatch);
    return lFound;
  }

  // A font drawn and measured with iFace, its per-unit ascent and descent read at the reference
  // size; null when iFace is.
  static CATFont* MakeFont(std::unique_ptr<Face> iFace, const std::string& iFamily) {
    if (!iFace) return nullptr;
    cairo_font_extents_t lExtents;
    cairo_scaled_font_extents(iFace->Measure, &lExtents);
    const double lAscent = lExtents.ascent / kReferenceSize, lDescent = lExtents.descent / kReferenceSize;
    if (!std::isfinite(lAscent) || !std::isfinite(lDescent)) return nullptr;
    CATFont* lFont = new CATFont();
    if (!lFont) return nullptr;
    lFont->_Face = std::move(iFace);
    lFont->_Family = iFamily;
    lFont->_Ascent = lAscent;
    lFont->_Descent = lDescent;
    return lFont;
  }

  // The process-wide default face, looked up and loaded once; null when that failed.
  static const Face* Default() {
    static const std::unique_ptr<Face> sDefault = [] {
      std::string lPath, lFamily;
      std::unique_ptr<Face> lFace = Load(kPackageFile, 0, lFamily);
      if (lFace && lFamily == kDefaultFamily) return lFace;
      lFace.reset();
      int lIndex = 0;
      if (!FindDefault(lPath, lIndex)) return lFace;
      lFace = Load(lPath.c_str(), lIndex, lFamily);
      if (!lFace) std::fprintf(stderr, "CATFont: cannot load %s from %s\n", kDefaultFamily, lPath.c_str());
      return lFace;
    }();
    return sDefault.get();
  }
};

CATFont::CATFont() = default;
CATFont::~CATFont() = default;

CATFont* CATFont::CreateDefault() {
  const Face* lShared = Face::Default();
  return lShared ? Face::MakeFont(lShared->Share(), kDefaultFamily) : nullptr;
}

CATFont* CATFont::CreateFromFile(const char* iPath) {
  std::string lFamily;
  std::unique_ptr<Face> lFace = Face::Load(iPath, 0, lFamily);
  return Face::MakeFont(std::move(lFace), lFamily);
}

CATFont* CATFont::CreateFixedMetric(double iAdvance, double iAscent, double iDescent) {
  if (!(iAdvance > 0.0) || !std::isfinite(iAdvance) || !std::isfinite(iAscent) || !std::isfinite(iDescent) ||
      !(iAscent + iDescent >= 0.0))
    return nullptr;
  CATFont* lFont = new CATFont();
  if (!lFont) return nullptr;
  lFont->_Family = "Fixed metric";
  lFont->_FixedAdvance = iAdvance;
  lFont->_Ascent = iAscent;
  lFont->_Descent = iDescent;
  return lFont;
}

std::string CATFont::sValidUTF8(const CATUnicodeString& iText, long* oNbCodePoints) {
  const std::string& lIn = iText.ToUTF8();
  std::string lOut;
  lOut.reserve(lIn.size());
  long lCount = 0;
  size_t i = 0;
  while (i < lIn.size()) {
    const unsigned char lLead = static_cast<unsigned char>(lIn[i]);
    if (lLead == 0) {
      ++i;
      continue;
    }
    size_t lLength = 0;
    unsigned long lCode = 0, lMin = 0;
    if (lLead < 0x80) {
      lLength = 1;
      lCode = lLead;
    } else if ((lLead & 0xE0) == 0xC0) {
      lLength = 2;
      lCode = lLead & 0x1F;
      lMin = 0x80;
    } else if ((lLead & 0xF0) == 0xE0) {
      lLength = 3;
      lCode = lLead & 0x0F;
      lMin = 0x800;
    } else if ((lLead & 0xF8) == 0xF0) {
      lLength = 4;
      lCode = lLead & 0x07;
      lMin = 0x10000;
    }
    bool lValid = lLength > 0 && lLength <= lIn.size() - i;
    for (size_t k = 1; lValid && k < lLength; ++k) {
      const unsigned char lNext = static_cast<unsigned char>(lIn[i + k]);
      lValid = (lNext & 0xC0) == 0x80;
      lCode = (lCode << 6) | (lNext & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are invalid too.
    lValid = lValid && lCode >= lMin && lCode <= 0x10FFFF && !(lCode >= 0xD800 && lCode <= 0xDFFF);
    if (lValid) {
      lOut.append(lIn, i, lLength);
      i += lLength;
    } else {
      lOut.append(kReplacement);
      ++i;
    }
    ++lCount;
  }
  if (oNbCodePoints) *oNbCodePoints = lCount;
  return lOut;
}

double CATFont::GetAdvance(const CATUnicodeString& iText) const {
  long lCount = 0;
  const std::string lText = sValidUTF8(iText, &lCount);
  if (IsFixedMetric()) return double(lCount) * _FixedAdvance;
  if (!_Face || lText.empty()) return 0.0;
  cairo_text_extents_t lExtents;
  cairo_scaled_font_text_extents(_Face->Measure, lText.c_str(), &lExtents);
  if (cairo_scaled_font_status(_Face->Measure) != CAIRO_STATUS_SUCCESS) return 0.0;
  const double lAdvance = lExtents.x_advance / kReferenceSize;
  return std::isfinite(lAdvance) ? lAdvance : 0.0;
}

void* CATFont::GetDrawingFace() const { return _Face ? _Face->Drawing : nullptr; }

void CATFont::sComputeGeomAttributeSet(CAT2DGeomTextAttributeSet& oSet, const float* /*iOrigin*/,
                                       CATUnicodeString /*iText*/, float iHeight, int iLayout1, int iLayout2,
                                       int iLayout3, const CATFont* iFont, int iFontSlot, float /*iAngle*/,
                                       float iWrapWidth, float iWidthRatio, float iSlant) {
  oSet.Height = iHeight;
  oSet.Font = iFont;
  oSet.Layout[0] = iLayout1;
  oSet.Layout[1] = iLayout2;
  oSet.Layout[2] = iLayout3;
  oSet.FontSlot = iFontSlot;
  oSet.WrapWidth = iWrapWidth;
  oSet.WidthRatio = iWidthRatio;
  oSet.Slant = iSlant;
}

void CATFont::sComputeTextGlobalMetrics(CAT2DBoundingBox& oBox, CATUnicodeString iText,
                                        const CAT2DGeomTextAttributeSet& iSet, const CATFont* iFont) {
  oBox = CAT2DBoundingBox();
  const double lHeight = iSet.Height;
  if (!iFont || !std::isfinite(lHeight) || lHeight < 0.0) return;
  const double lWidth = iFont->GetAdvance(iText) * lHeight;
  const double lTall = (iFont->GetAscent() + iFont->GetDescent()) * lHeight;
  const float lW = static_cast<float>(lWidth), lH = static_cast<float>(lTall);
  if (!std::isfinite(lW) || !std::isfinite(lH)) return;
  oBox = CAT2DBoundingBox(0.0f, lW, 0.0f, lH);
}

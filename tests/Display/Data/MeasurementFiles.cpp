#include "MeasurementFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace {

// Run by Debian's Python, which has numpy, scipy and h5py. Every value is exact in every format
// (multiples of 1/32768 fit int16 sound, float32 and the integers scaled).
const char* const kScript = R"PY(
import subprocess, sys, wave
import numpy as np, h5py, scipy.io as sio
d = sys.argv[1]
n, rate = 240, 1000
i16 = (np.round(np.sin(np.arange(n) * 0.05) * 20000)).astype('<i2')
y = i16 / 32768.0
np.save(d + 'speed.npy', y)
np.save(d + 'time.npy', np.arange(n) * 0.001)
np.save(d + 'seconds.npy', np.arange(n) / float(rate))
data = np.stack([y, 2 * y, -y], axis=1)
np.save(d + 'column2.npy', data[:, 2].copy())
values = np.outer(np.arange(1, 13.0), np.arange(1, 21.0)) / 7.0
np.save(d + 'values.npy', values)
np.save(d + 'mapx.npy', np.arange(20) * 0.5)
np.save(d + 'mapz.npy', np.arange(12) * 10.0)
with h5py.File(d + 'run.h5', 'w') as f:
    t = f.create_dataset('time', data=np.arange(n) * 0.001)
    t.make_scale('time')
    t.attrs['units'] = 's'
    f['bench/speed'] = y
    f['bench/speed'].dims[0].attach_scale(t)
    f['bench/speed'].attrs['units'] = 'rpm'
    f['bench/data'] = data
    f.create_dataset('bench/gzip', data=y, chunks=(50,), compression='gzip', shuffle=True)
    f.create_dataset('bench/big', data=i16.astype('>i4'), chunks=(64,), compression='gzip')
    f.create_dataset('bench/float', data=y.astype('>f4'))
    f.create_dataset('bench/int16', data=i16)
    mx = f.create_dataset('mapx', data=np.arange(20) * 0.5)
    mz = f.create_dataset('mapz', data=np.arange(12) * 10.0)
    mx.make_scale('x')
    mz.make_scale('z')
    f['map'] = values
    f['map'].dims[0].attach_scale(mz)
    f['map'].dims[1].attach_scale(mx)
    f['text'] = np.array([b'a', b'b'])
    f['record'] = np.zeros(3, dtype=[('a', '<f8'), ('b', '<i4')])
    f['cube'] = np.zeros((2, 2, 2))
    f['empty'] = np.zeros(0)
with h5py.File(d + 'one.h5', 'w') as f:
    f['y'] = y
raw = open(d + 'run.h5', 'rb').read()
open(d + 'cut.h5', 'wb').write(raw[:len(raw) // 2])
sio.savemat(d + 'v5.mat', {'speed': y, 'bench': {'speed': y, 'values': values}})
sio.savemat(d + 'v5z.mat', {'speed': y.astype(np.float32)}, do_compression=True)
sio.savemat(d + 'v4.mat', {'speed': y.reshape(-1, 1), 'values': values}, format='4')
open(d + 'text.mat', 'w').write('speed,torque\n1,2\n')
for name in ['v5', 'v4']:
    raw = open(d + name + '.mat', 'rb').read()
    open(d + name + 'cut.mat', 'wb').write(raw[:len(raw) - 100])
with wave.open(d + 'rec.wav', 'wb') as w:
    w.setnchannels(2)
    w.setsampwidth(2)
    w.setframerate(rate)
    w.writeframes(np.stack([i16, -i16], axis=1).astype('<i2').tobytes())
np.save(d + 'channel2.npy', -y)
for name, options in [('rec24.wav', ['-b', '24']), ('rec32.wav', ['-b', '32', '-e', 'signed-integer']),
                      ('recf.wav', ['-b', '32', '-e', 'floating-point']), ('rec.flac', []),
                      ('mono.wav', ['remix', '1'])]:
    effects = options if options[:1] == ['remix'] else []
    subprocess.run(['sox', d + 'rec.wav'] + ([] if effects else options) + [d + name] + effects, check=True)
raw = open(d + 'rec.wav', 'rb').read()
open(d + 'cut.wav', 'wb').write(raw[:len(raw) // 2])
# A FLAC header claiming about 4 * 10^9 samples (STREAMINFO's total, bytes 22 to 25) for 240.
raw = bytearray(open(d + 'rec.flac', 'rb').read())
raw[22:26] = b'\xf0\x00\x00\x00'
open(d + 'claim.flac', 'wb').write(bytes(raw))
)PY";

}  // namespace

std::string MeasurementFiles::Folder(std::string& oError) {
  static std::string sFolder, sError;
  static bool sWritten = false;
  if (!sWritten) {
    sWritten = true;
    sFolder = std::string(FDD_TEST_OUTPUT_DIR) + "/measurement-" + std::to_string(getpid()) + "/";
    ::mkdir(FDD_TEST_OUTPUT_DIR, 0755);
    ::mkdir(sFolder.c_str(), 0755);
    std::ofstream(sFolder + "write.py") << kScript;
    const std::string lCommand = "/usr/bin/python3 " + sFolder + "write.py " + sFolder + " > " + sFolder + "write.log 2>&1";
    if (std::system(lCommand.c_str()) != 0) sError = "the writers failed: see " + sFolder + "write.log";
    // Gone with the process unless a writer failed, when its log is what is left to read.
    if (sError.empty()) std::atexit([] { std::system(("rm -rf '" + sFolder + "'").c_str()); });
  }
  oError = sError;
  return sError.empty() ? sFolder : std::string();
}

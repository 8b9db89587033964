"""fddplot reads measurement files named as strings, as fdd-plot does: a sound channel written by
Python's wave module draws the picture of the same values handed over as arrays, time axis
included; a name that is not there is one line naming the closest ones."""
import wave

import h5py
import numpy as np
import pytest

import fddplot


def test_sound_channel_as_string_draws_the_picture_of_its_values(tmp_path):
    rate = 800
    samples = np.round(np.sin(np.arange(400) * 0.03) * 12000).astype('<i2')
    path = str(tmp_path / "rec.wav")
    with wave.open(path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(np.stack([samples, -samples], axis=1).tobytes())
    from_file = fddplot.curve(y=path + ":2", size=(300, 200)).to_array()
    from_arrays = fddplot.curve(-samples / 32768.0, x=np.arange(400) / float(rate), label="rec:2",
                                xlabel="time (s)", size=(300, 200)).to_array()
    assert np.array_equal(from_file, from_arrays)


def test_missing_dataset_names_the_closest(tmp_path):
    path = str(tmp_path / "run.h5")
    with h5py.File(path, "w") as f:
        f["bench/speed"] = np.arange(5.0)
        f["bench/torque"] = np.arange(5.0)
    with pytest.raises(ValueError, match="no dataset /bench/sped; there are /bench/speed, /bench/torque"):
        fddplot.curve(y=path + ":/bench/sped")

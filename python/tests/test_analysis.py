"""The computed arrays of fddplot's analyses: laid out as scipy.signal gives them, and the run-up's
order cuts reading the amplitudes of a synthetic run-up."""
import numpy as np
import pytest

import fddplot

signal = pytest.importorskip("scipy.signal")

RATE = 1000.0
X = np.random.default_rng(3).standard_normal(5000) + np.sin(2 * np.pi * 120.0 * np.arange(5000) / RATE)


def test_spectrum_values_are_scipys_welch():
    f, p = fddplot.spectrum_values(X, RATE, nfft=512, overlap=0.25, window="blackman", scaling="spectrum")
    f_ref, p_ref = signal.welch(X, RATE, window="blackman", nperseg=512, noverlap=128, detrend=False,
                                scaling="spectrum")
    np.testing.assert_allclose(f, f_ref, rtol=1e-12)
    np.testing.assert_allclose(p, p_ref, rtol=1e-9)


def test_spectrogram_values_are_scipys_spectrogram():
    t, f, s = fddplot.spectrogram_values(X, RATE, nfft=256, overlap=0.5)
    f_ref, t_ref, s_ref = signal.spectrogram(X, RATE, window="hann", nperseg=256, noverlap=128, detrend=False)
    np.testing.assert_allclose(t, t_ref, rtol=1e-12)
    assert s.shape == s_ref.shape
    np.testing.assert_allclose(s, s_ref, rtol=1e-9, atol=1e-12 * s_ref.max())


def test_runup_values_cut_each_order_at_its_amplitude():
    rate, seconds = 2048.0, 20.0
    t = np.arange(int(rate * seconds)) / rate
    rpm = 1200.0 + 3600.0 * t / seconds
    turns = np.cumsum(rpm / 60.0 / rate)
    x = 1.0 * np.sin(2 * np.pi * 2 * turns) + 0.5 * np.sin(2 * np.pi * 6 * turns)
    speeds, orders, levels = fddplot.runup_values(x, rate, rpm=rpm, order_cut="2,6", window="flattop", nfft=1024,
                                                  rpm_step=100, db=True)
    assert list(orders) == [2.0, 6.0] and levels.shape == (2, len(speeds))
    np.testing.assert_allclose(levels[0], 10 * np.log10(0.5), atol=0.5)
    np.testing.assert_allclose(levels[1], 10 * np.log10(0.125), atol=0.5)

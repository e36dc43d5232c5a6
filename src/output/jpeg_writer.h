#pragma once
// A baseline JPEG encoder over libjpeg that takes the picture a band of scanlines at a
// time, so a picture never has to be in memory whole.

#include <QImage>

#include <memory>

class QIODevice;

namespace morvaine {

class JpegWriter {
public:
    /// The largest width or height the encoder accepts.
    static int maxDimension();

    /// Starts a width x height picture of 24-bit colour at the given quality, with the
    /// library's defaults otherwise (baseline, not progressive), written to device.
    JpegWriter(QIODevice &device, int width, int height, int quality);
    ~JpegWriter();
    JpegWriter(const JpegWriter &) = delete;
    JpegWriter &operator=(const JpegWriter &) = delete;

    /// Encodes the first rows scanlines of band (Format_RGB32, the picture's width), which
    /// continue the picture below the scanlines written so far.
    bool writeRows(const QImage &band, int rows);
    /// Ends the picture once every scanline is written; false when anything failed.
    bool finish();
    /// False once the encoder or the device failed.
    bool ok() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

} // namespace morvaine

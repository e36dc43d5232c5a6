#include "output/jpeg_writer.h"

#include <QIODevice>
#include <QSysInfo>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace morvaine {

namespace {

constexpr int BufferSize = 64 * 1024;

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps
// back to the call that failed. Every call into the library is therefore guarded by a
// setjmp in a frame without objects that need destroying.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void ErrorExit(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void SilentMessage(j_common_ptr) {}

struct Destination {
    jpeg_destination_mgr base;
    QIODevice *device;
    bool failed;
    JOCTET buffer[BufferSize];
};

void InitDestination(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<Destination *>(info->dest);
    dest->base.next_output_byte = dest->buffer;
    dest->base.free_in_buffer = BufferSize;
}

boolean EmptyBuffer(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<Destination *>(info->dest);
    if (dest->device->write(reinterpret_cast<const char *>(dest->buffer), BufferSize) != BufferSize)
        dest->failed = true;
    dest->base.next_output_byte = dest->buffer;
    dest->base.free_in_buffer = BufferSize;
    return TRUE;
}

void TermDestination(j_compress_ptr info)
{
    auto *dest = reinterpret_cast<Destination *>(info->dest);
    const qint64 used = BufferSize - qint64(dest->base.free_in_buffer);
    if (used > 0 && dest->device->write(reinterpret_cast<const char *>(dest->buffer), used) != used)
        dest->failed = true;
}

} // namespace

struct JpegWriter::State {
    jpeg_compress_struct info{};
    ErrorManager error{};
    Destination destination{};
    bool created = false;
    bool started = false;
    bool failed = false;
};

int JpegWriter::maxDimension()
{
    return int(JPEG_MAX_DIMENSION);
}

// The setjmp frames below hold nothing but plain pointers.
static bool CreateCompress(jpeg_compress_struct *info, ErrorManager *error)
{
    if (setjmp(error->jump))
        return false;
    jpeg_create_compress(info);
    return true;
}

static bool StartCompress(jpeg_compress_struct *info, ErrorManager *error, int width, int height,
                          int quality)
{
    if (setjmp(error->jump))
        return false;
    info->image_width = JDIMENSION(width);
    info->image_height = JDIMENSION(height);
    info->input_components = 4;
    info->in_color_space =
        QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, quality, TRUE);
    jpeg_start_compress(info, TRUE);
    return true;
}

static bool WriteScanlines(jpeg_compress_struct *info, ErrorManager *error, JSAMPROW *rows,
                           int count)
{
    if (setjmp(error->jump))
        return false;
    JDIMENSION done = 0;
    while (done < JDIMENSION(count)) {
        const JDIMENSION written =
            jpeg_write_scanlines(info, rows + done, JDIMENSION(count) - done);
        if (written == 0)
            return false;
        done += written;
    }
    return true;
}

static bool FinishCompress(jpeg_compress_struct *info, ErrorManager *error)
{
    if (setjmp(error->jump))
        return false;
    jpeg_finish_compress(info);
    return true;
}

JpegWriter::JpegWriter(QIODevice &device, int width, int height, int quality)
    : m_state(std::make_unique<State>())
{
    State &s = *m_state;
    s.info.err = jpeg_std_error(&s.error.base);
    s.error.base.error_exit = ErrorExit;
    s.error.base.output_message = SilentMessage;
    s.created = CreateCompress(&s.info, &s.error);
    if (!s.created) {
        s.failed = true;
        return;
    }
    s.destination.device = &device;
    s.destination.base.init_destination = InitDestination;
    s.destination.base.empty_output_buffer = EmptyBuffer;
    s.destination.base.term_destination = TermDestination;
    s.info.dest = &s.destination.base;
    s.started = StartCompress(&s.info, &s.error, width, height, quality);
    s.failed = !s.started;
}

JpegWriter::~JpegWriter()
{
    if (m_state->created)
        jpeg_destroy_compress(&m_state->info);
}

bool JpegWriter::ok() const
{
    return !m_state->failed && !m_state->destination.failed;
}

bool JpegWriter::writeRows(const QImage &band, int rows)
{
    State &s = *m_state;
    if (!ok() || band.format() != QImage::Format_RGB32 || band.width() != int(s.info.image_width) ||
        rows > band.height())
        return s.failed = true, false;
    std::vector<JSAMPROW> lines(static_cast<std::size_t>(rows));
    for (int y = 0; y < rows; ++y)
        lines[std::size_t(y)] = const_cast<JSAMPROW>(band.constScanLine(y));
    if (!WriteScanlines(&s.info, &s.error, lines.data(), rows))
        s.failed = true;
    return ok();
}

bool JpegWriter::finish()
{
    State &s = *m_state;
    if (!ok())
        return false;
    if (s.info.next_scanline != s.info.image_height || !FinishCompress(&s.info, &s.error))
        s.failed = true;
    return ok();
}

} // namespace morvaine

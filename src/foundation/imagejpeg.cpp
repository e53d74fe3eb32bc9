// JPEG through libjpeg. The library ends on errors by calling error_exit, which by
// default exits the process; ours jumps back here instead, so a damaged picture gives a
// null image.
#include <csetjmp>
#include <cstdio>
// jpeglib.h needs the stdio declarations above.
#include <jerror.h>
#include <jpeglib.h>

#include <QImage>

#include "foundation/image.h"

namespace image {
namespace {

struct TJpegError {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
  bool truncated = false;
};

[[noreturn]] void ErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<TJpegError*>(info->err)->jump, 1);
}

void EmitMessage(j_common_ptr info, int level) {
  // A stream that ends early is decoded to the end with grey filler; we count it as
  // damaged. Other warnings (stray bytes between markers) leave the picture intact.
  if (level == -1 && info->err->msg_code == JWRN_JPEG_EOF)
    reinterpret_cast<TJpegError*>(info->err)->truncated = true;
}

void OutputMessage(j_common_ptr) {}

// Everything the jump may skip lives outside the function that calls setjmp.
bool DecodeInto(jpeg_decompress_struct& cinfo, TJpegError& err, std::string_view bytes,
                QImage& out) {
  if (setjmp(err.jump)) return false;
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
  cinfo.out_color_space = JCS_RGB;
  if (cinfo.image_width == 0 || cinfo.image_height == 0 ||
      (long long)cinfo.image_width * (long long)cinfo.image_height > kMaxPixels)
    return false;
  jpeg_start_decompress(&cinfo);
  if (cinfo.output_components != 3) return false;
  out = QImage(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB888);
  if (out.isNull()) return false;
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW row = out.scanLine(int(cinfo.output_scanline));
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  return !err.truncated;
}

}  // namespace

QImage DecodeJpeg(std::string_view bytes) {
  if (bytes.empty()) return QImage();
  jpeg_decompress_struct cinfo = {};
  TJpegError err;
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = ErrorExit;
  err.mgr.emit_message = EmitMessage;
  err.mgr.output_message = OutputMessage;
  QImage out;
  const bool ok = DecodeInto(cinfo, err, bytes, out);
  jpeg_destroy_decompress(&cinfo);
  if (!ok) return QImage();
  return out.convertToFormat(QImage::Format_RGB32);
}

}  // namespace image

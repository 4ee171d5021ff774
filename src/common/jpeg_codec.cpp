#include "common/jpeg_codec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include <jpeglib.h>

namespace common {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return: we jump back to the
// caller's setjmp. Only trivially destructible objects live between setjmp and the jump.
struct ErrorManager {
  jpeg_error_mgr pub;
  jmp_buf jump;
  int warnings;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  if (level < 0 && err->warnings++ == 0) (*cinfo->err->format_message)(cinfo, err->message);
}

// The picture is decoded into a buffer the caller sized; returns false on any error or warning.
bool DecodeInto(jpeg_decompress_struct& cinfo, ErrorManager& err, std::span<const uint8_t> data,
                Image24& out) {
  if (setjmp(err.jump)) return false;
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  if (cinfo.output_components != 3) return false;
  const unsigned w = cinfo.output_width, h = cinfo.output_height;
  // Pictures here are small; refuse absurd sizes before allocating.
  if (w == 0 || h == 0 || w > 16384 || h > 16384) return false;
  out.width = static_cast<int>(w);
  out.height = static_cast<int>(h);
  out.bgr.assign(static_cast<size_t>(w) * h * 3, 0);
  while (cinfo.output_scanline < h) {
    JSAMPROW row = &out.bgr[static_cast<size_t>(cinfo.output_scanline) * w * 3];
    jpeg_read_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_decompress(&cinfo);
  return err.warnings == 0;
}

}  // namespace

JpegResult DecodeJpeg(std::span<const uint8_t> data) {
  JpegResult result;
  if (data.empty() || data.size() > std::numeric_limits<unsigned long>::max()) {
    result.error = "no picture data";
    return result;
  }
  jpeg_decompress_struct cinfo{};
  ErrorManager err{};
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  err.pub.emit_message = OnMessage;
  Image24 image;
  const bool ok = DecodeInto(cinfo, err, data, image);
  jpeg_destroy_decompress(&cinfo);
  if (!ok) {
    result.error = err.message[0] ? err.message : "unsupported picture";
    return result;
  }
  for (size_t i = 0; i + 2 < image.bgr.size(); i += 3) std::swap(image.bgr[i], image.bgr[i + 2]);
  result.image = std::move(image);
  return result;
}

namespace {

bool EncodeInto(jpeg_compress_struct& cinfo, ErrorManager& err, const std::vector<uint8_t>& rgb,
                int width, int height, int quality, unsigned char** buffer, unsigned long* size) {
  if (setjmp(err.jump)) return false;
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, buffer, size);
  cinfo.image_width = static_cast<JDIMENSION>(width);
  cinfo.image_height = static_cast<JDIMENSION>(height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(&rgb[static_cast<size_t>(cinfo.next_scanline) * width * 3]);
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  return true;
}

}  // namespace

std::vector<uint8_t> EncodeJpeg(const Image24& image, int quality) {
  if (image.empty() || image.bgr.size() != static_cast<size_t>(image.width) * image.height * 3) return {};
  std::vector<uint8_t> rgb(image.bgr);
  for (size_t i = 0; i + 2 < rgb.size(); i += 3) std::swap(rgb[i], rgb[i + 2]);
  jpeg_compress_struct cinfo{};
  ErrorManager err{};
  cinfo.err = jpeg_std_error(&err.pub);
  err.pub.error_exit = OnError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool ok = EncodeInto(cinfo, err, rgb, image.width, image.height, quality, &buffer, &size);
  jpeg_destroy_compress(&cinfo);
  std::vector<uint8_t> out;
  if (ok && buffer) out.assign(buffer, buffer + size);
  std::free(buffer);
  return out;
}

}  // namespace common

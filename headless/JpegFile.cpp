#include "headless/JpegFile.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include <jpeglib.h>

namespace palettra::headless {

namespace {

    struct Failure {
        jpeg_error_mgr manager;
        std::jmp_buf back;
    };

    // libjpeg's own handler would end the process.
    void Fail(j_common_ptr info) { std::longjmp(reinterpret_cast<Failure*>(info->err)->back, 1); }

    // Kept apart from anything with a destructor: longjmp skips them.
    bool Decode(std::FILE* file, toolkit::PixelBuffer& pixels)
    {
        jpeg_decompress_struct info {};
        Failure failure {};
        info.err = jpeg_std_error(&failure.manager);
        failure.manager.error_exit = Fail;
        if (setjmp(failure.back)) {
            jpeg_destroy_decompress(&info);
            return false;
        }
        jpeg_create_decompress(&info);
        jpeg_stdio_src(&info, file);
        jpeg_read_header(&info, TRUE);
        // Blue, green, red and an opaque alpha are, on a little-endian machine, the pixels' own 0xAARRGGBB.
        info.out_color_space = JCS_EXT_BGRA;
        jpeg_start_decompress(&info);
        pixels = toolkit::PixelBuffer({ static_cast<int>(info.output_width), static_cast<int>(info.output_height) });
        while (info.output_scanline < info.output_height) {
            JSAMPROW rows[] = { reinterpret_cast<JSAMPROW>(pixels.Data() + std::ptrdiff_t(info.output_scanline) * pixels.Width()) };
            jpeg_read_scanlines(&info, rows, 1);
        }
        jpeg_finish_decompress(&info);
        jpeg_destroy_decompress(&info);
        return true;
    }

} // namespace

std::string AssetPath(const std::string& name) { return std::string(PALETTRA_ASSETS_DIR) + "/" + name; }

toolkit::PixelBuffer ReadJpeg(const std::string& path)
{
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    toolkit::PixelBuffer pixels;
    if (!file || !Decode(file.get(), pixels))
        throw std::runtime_error("cannot read the picture " + path);
    return pixels;
}

} // namespace palettra::headless

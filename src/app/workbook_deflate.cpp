// The compression of lendora-workbook's workbooks. libxlsxwriter (1.1.4)
// compresses every part of a workbook at zlib's default level and offers no
// option for it, and for a large analysis that took about half the writer's
// time. Its zip library starts each compression with deflateInit2_, and a
// function this program defines comes before the libraries' own: this one
// asks zlib for its fastest level instead of the default, and passes
// everything else on. The workbook holds the same parts, a quarter larger.
#include <zlib.h>

#include <dlfcn.h>

extern "C" int deflateInit2_(z_streamp stream, int level, int method, int windowBits, int memLevel,
                             int strategy, const char* version, int streamSize) {
    using Init = int (*)(z_streamp, int, int, int, int, int, const char*, int);
    static const auto zlib = reinterpret_cast<Init>(dlsym(RTLD_NEXT, "deflateInit2_"));
    if (!zlib)
        return Z_STREAM_ERROR;
    return zlib(stream, level == Z_DEFAULT_COMPRESSION ? Z_BEST_SPEED : level, method, windowBits,
                memLevel, strategy, version, streamSize);
}

// The one build of stb_image's decoders, from Debian's header. UTF-8 file
// names on Windows, so that the library's own file calls, if ever used, take
// the paths the rest of the program takes.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_WINDOWS_UTF8
#include <stb_image.h>

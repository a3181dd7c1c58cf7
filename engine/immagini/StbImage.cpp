// The one build of stb_image's decoders, from Debian's header. UTF-8 file
// names on Windows, so that the library's own file calls, if ever used, take
// the paths the rest of the program takes. Only the formats pictures come in
// (JPEG, PNG, GIF, BMP, TGA): the library is not hardened against hostile
// files, and each decoder left out is one less to trust.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_WINDOWS_UTF8
#define STBI_NO_PSD
#define STBI_NO_PIC
#define STBI_NO_HDR
#define STBI_NO_PNM
#include <stb_image.h>

/*
 * Zentavo2: vendor names, logo keys and home pages for raw PC maker strings.
 *
 * Texts are NUL-terminated 8-bit strings in the process's ANSI code page
 * (936 on simplified-Chinese Windows, 1252 on Western European); Chinese
 * display names come back in that code page, as "?" where it cannot hold
 * them.  A null MakerText reads as the empty text.
 *
 * Results are never null and belong to the library: read or copy a result
 * before the same thread calls into the library again, and never free it.
 * Constant results (logo keys, addresses, the empty text) stay valid while
 * the library is loaded.  Any export may be called from any thread.
 */
#ifndef ZENTAVO2_H
#define ZENTAVO2_H

#ifdef _WIN32
#  define ZENTAVO2_CALL __stdcall
#  define ZENTAVO2_API
#else
#  define ZENTAVO2_CALL
#  define ZENTAVO2_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Ordinal 1. The address of the vendor's web site for a logo key (any letter
 * case): the Chinese edition when Language is exactly 1, else the
 * international one.  A key without an address comes back as passed. */
ZENTAVO2_API const char* ZENTAVO2_CALL GetVendorURL(const char* MakerText, int Language);

/* Ordinals 2 and 3. The Chinese or English display name of a raw maker
 * string; a string no rule knows comes back unchanged.  When the lowest byte
 * of KeepRest is not 0, the rest of the maker string follows the name. */
ZENTAVO2_API const char* ZENTAVO2_CALL GetPCVendor_Cn(const char* MakerText, int KeepRest);
ZENTAVO2_API const char* ZENTAVO2_CALL GetPCVendor_En(const char* MakerText, int KeepRest);

/* Ordinals 4 and 5. The logo key for a Chinese or English display name as
 * the two functions above return it, or the empty text. */
ZENTAVO2_API const char* ZENTAVO2_CALL GetVendorPic_Cn(const char* MakerText);
ZENTAVO2_API const char* ZENTAVO2_CALL GetVendorPic_En(const char* MakerText);

#ifdef __cplusplus
}
#endif

#endif /* ZENTAVO2_H */

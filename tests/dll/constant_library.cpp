// The five exports returning constants only: what the stress host's unload
// figure is measured against.
#include "include/zentavo2.h"

extern "C" {
const char* ZENTAVO2_CALL GetVendorURL(const char*, int) { return ""; }
const char* ZENTAVO2_CALL GetPCVendor_Cn(const char*, int) { return ""; }
const char* ZENTAVO2_CALL GetPCVendor_En(const char*, int) { return ""; }
const char* ZENTAVO2_CALL GetVendorPic_Cn(const char*) { return ""; }
const char* ZENTAVO2_CALL GetVendorPic_En(const char*) { return ""; }
}

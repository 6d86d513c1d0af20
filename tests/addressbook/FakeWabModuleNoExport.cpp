// A library that loads but offers no WABOpen.
#include "WabApi.h"

extern "C" NELVORA_WAB_EXPORT HRESULT WABOpenNotHere(IAddrBook**, IWABObject**, WAB_PARAM*, ULONG)
{
    return MAPI_E_NO_SUPPORT;
}

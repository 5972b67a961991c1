#include "verlin/Verlin.h"

extern "C" const char* GetApplicationVersion(void) {
  return ORVANE_VERSION_TEXT;
}

#include "FontWarmUp.h"

#include <QtGlobal>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <dlfcn.h>
#endif

TFontWarmUp::TFontWarmUp()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Qt's GUI library brings fontconfig in; looked up rather than linked, so
    // a Qt built without it simply skips the warm-up. FcInit is thread-safe
    // and later calls return at once.
    using TFcInit = int (*)();
    if (auto init = reinterpret_cast<TFcInit>(dlsym(RTLD_DEFAULT, "FcInit")))
        Worker = std::thread([init] { init(); });
#endif
}

TFontWarmUp::~TFontWarmUp()
{
    Wait();
}

void TFontWarmUp::Wait()
{
    if (Worker.joinable())
        Worker.join();
}

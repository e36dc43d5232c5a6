#pragma once
// What every fuzz target needs: the application object Qt's conversions expect, made
// once, and a host that answers every message box with OK and shows nothing.

#include "model/host.h"

#include <QCoreApplication>

namespace morvaine::fuzz {

class SilentHost : public Host {
public:
    MsgAnswer MessageBox(const QString &, const QString &, MsgIcon, MsgButtons) override
    {
        return MsgAnswer::Ok;
    }
};

inline void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

} // namespace morvaine::fuzz

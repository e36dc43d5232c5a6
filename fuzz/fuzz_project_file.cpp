// Feeds arbitrary bytes to the project file reader: it must never crash, read out of
// bounds or allocate without limit, whatever the file says.

#include "model/new_project.h"
#include "model/project_file.h"

#include <QCoreApplication>
#include <QFile>

#include <unistd.h>

using namespace morvaine;

namespace {

class SilentHost : public Host {
public:
    MsgAnswer MessageBox(const QString &, const QString &, MsgIcon, MsgButtons) override
    {
        return MsgAnswer::Ok;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static SilentHost host;
    static Project project;
    static const bool ready = (InitNewProject(project, host), true);
    static const QString path = QStringLiteral("/dev/shm/morvaine-fuzz-%1.mrv").arg(getpid());
    (void)ready;

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    file.close();
    LoadProject(project, host, path);
    return 0;
}

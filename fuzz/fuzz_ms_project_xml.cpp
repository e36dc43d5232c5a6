// Feeds arbitrary bytes to the MS Project XML import the whole way: read by expat, laid
// out as a new project and recalculated. Whatever the document holds, it must end with
// a project or a message, without crashing, reading out of bounds, allocating without
// limit or taking long (libFuzzer's -timeout makes a slow input a finding).

#include "exchange/ms_project_xml.h"
#include "fuzz_support.h"
#include "model/new_project.h"

#include <QBuffer>
#include <QByteArray>

using namespace morvaine;
using fuzz::SilentHost;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzz::EnsureApplication();
    static SilentHost host;
    // One project serves every input: a read import replaces all of it, a refused one
    // leaves it alone, so what an input meets is a project as Open leaves one.
    static Project project;
    static const bool initialised = (InitNewProject(project, host), true);
    Q_UNUSED(initialised);

    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer input(&bytes);
    input.open(QIODevice::ReadOnly);
    ImportMsProjectXml(project, host, input, QStringLiteral("fuzz.xml"));
    return 0;
}

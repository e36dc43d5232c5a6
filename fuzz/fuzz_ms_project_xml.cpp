// Feeds arbitrary bytes to the MS Project XML reader: whatever the document holds, it
// must end with a result (read, refused or malformed) without crashing, reading out of
// bounds or allocating without limit.

#include "exchange/ms_project_reader.h"

#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    morvaine::msp::Document doc;
    morvaine::msp::ReadDocument(
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), doc);
    return 0;
}

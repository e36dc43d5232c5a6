#include <QtPrintSupport/QPrinter>
#include "../dialogs/about_box.h"

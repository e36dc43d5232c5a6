#include "../app/main_window.h"
#include <QtWidgets/QWidget>
#include <QtGui/QImage>
#include "views/canvas.h"

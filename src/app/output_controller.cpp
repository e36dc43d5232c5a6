#include "output_controller.h"

#include <QPrinter>

namespace morvaine {

OutputController::OutputController(QObject *parent)
    : QObject(parent), m_pagePrinter(std::make_unique<QPrinter>())
{
    m_printerFailed = m_pagePrinter->printerName().isEmpty();
    if (m_printerFailed)
        m_pagePrinter->setOutputFormat(QPrinter::PdfFormat);
}

OutputController::~OutputController() = default;

} // namespace morvaine

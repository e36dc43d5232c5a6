#pragma once
// The output commands: printer setup, print preview, printing and picture export. The
// controller owns the printer pages go to and the page margins. The commands (Export1,
// Printsetup1, Preview1, Print1) are greyed until they are built; their handlers will be
// bound in this controller's constructor.

#include <QMarginsF>
#include <QObject>

#include <memory>

class QPrinter;

namespace morvaine {

class OutputController : public QObject {
    Q_OBJECT
public:
    /// Asks for the system's default printer; without one, pages go to a PDF file.
    explicit OutputController(QObject *parent);
    ~OutputController() override;

    /// The printer pages go to.
    QPrinter *pagePrinter() const { return m_pagePrinter.get(); }
    /// Whether asking for the default printer failed.
    bool printerFailed() const { return m_printerFailed; }
    /// Page margins in millimetres.
    QMarginsF pageMargins() const { return m_pageMargins; }
    void setPageMargins(const QMarginsF &margins) { m_pageMargins = margins; }

private:
    std::unique_ptr<QPrinter> m_pagePrinter;
    bool m_printerFailed = false;
    QMarginsF m_pageMargins{10, 10, 10, 10};
};

} // namespace morvaine

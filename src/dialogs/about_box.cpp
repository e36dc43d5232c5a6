#include "about_box.h"

#include "widgets/help_links.h"
#include "widgets/icons.h"
#include "widgets/window_position.h"
#include "model/new_project.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace morvaine {

namespace {

// A label drawn as a link (blue, underlined, hand cursor) that reports a click.
class LinkLabel : public QLabel {
public:
    LinkLabel(const char *name, std::function<void()> onClick, QWidget *parent)
        : QLabel(parent), m_onClick(std::move(onClick))
    {
        setObjectName(QLatin1String(name));
        QFont linkFont = font();
        linkFont.setUnderline(true);
        setFont(linkFont);
        QPalette linkPalette = palette();
        linkPalette.setColor(QPalette::WindowText, Qt::blue);
        setPalette(linkPalette);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_onClick();
    }

private:
    std::function<void()> m_onClick;
};

} // namespace

TFormAbout::TFormAbout(QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("TFormAbout"));
    setWindowTitle(QStringLiteral("About Morvaine"));
    setModal(true);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    auto *image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setFixedSize(431, 221);
    image1->setPixmap(SvgPixmap(QStringLiteral(":/icons/about_banner.svg"), QSize(431, 221),
                                devicePixelRatioF()));

    auto *label1 = new QLabel(QLatin1String(AppTitle), this);
    label1->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSize(12);
    label1->setFont(titleFont);

    m_labelURL1 = new LinkLabel("LabelURL1", [this] { LabelURL1Click(); }, this);
    m_labelURL2 = new LinkLabel("LabelURL2", [this] { LabelURL2Click(); }, this);
    m_labelURL3 = new LinkLabel("LabelURL3", [this] { LabelURL3Click(); }, this);

    auto *links = new QGridLayout;
    links->setColumnStretch(1, 1);
    const struct {
        const char *name;
        const char *caption;
        QLabel *link;
    } rows[] = {{"Label3", "Home Page:", m_labelURL1},
                {"Label4", "Send Feedback:", m_labelURL2},
                {"Label5", "Support:", m_labelURL3}};
    for (int i = 0; i < 3; ++i) {
        auto *caption = new QLabel(QLatin1String(rows[i].caption), this);
        caption->setObjectName(QLatin1String(rows[i].name));
        links->addWidget(caption, i, 0);
        links->addWidget(rows[i].link, i, 1);
    }

    auto *bevel1 = new QFrame(this);
    bevel1->setObjectName(QStringLiteral("Bevel1"));
    bevel1->setFrameShape(QFrame::HLine);
    bevel1->setFrameShadow(QFrame::Sunken);

    auto *buttonOK = new QPushButton(QStringLiteral("OK"), this);
    buttonOK->setObjectName(QStringLiteral("ButtonOK"));
    buttonOK->setDefault(true);
    connect(buttonOK, &QPushButton::clicked, this, [this] { ButtonOKClick(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(buttonOK);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 8);
    layout->addWidget(image1, 0, Qt::AlignHCenter);
    auto *text = new QVBoxLayout;
    text->setContentsMargins(16, 8, 16, 0);
    text->addWidget(label1);
    text->addSpacing(8);
    text->addLayout(links);
    layout->addLayout(text);
    layout->addStretch();
    layout->addWidget(bevel1);
    layout->addLayout(buttons);

    setFixedSize(435, 414);
}

int TFormAbout::Execute()
{
    FormShow();
    return exec();
}

void TFormAbout::FormShow()
{
    if (m_mainWindow) {
        if (const auto place = CentredOverMain(m_mainWindow->frameGeometry(), frameGeometry().size()))
            move(*place);
    }
    m_labelURL1->setText(QLatin1String(HomePageAddress));
    m_labelURL2->setText(QLatin1String(InfoMailAddress));
    m_labelURL3->setText(QLatin1String(SupportMailAddress));
}

void TFormAbout::LabelURL1Click() { OpenWebAddress(m_labelURL1->text()); }

void TFormAbout::LabelURL2Click() { OpenMailTo(m_labelURL2->text()); }

void TFormAbout::LabelURL3Click() { OpenMailTo(m_labelURL3->text()); }

void TFormAbout::ButtonOKClick() { accept(); }

} // namespace morvaine

#include "about_box.h"

#include "model/new_project.h"
#include "widgets/help_links.h"
#include "widgets/icons.h"
#include "widgets/window_position.h"

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

AboutBox::AboutBox(QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint),
      m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("TFormAbout"));
    setWindowTitle(tr("About Morvaine"));
    setModal(true);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setFixedSize(431, 221);
    picture->setPixmap(SvgPixmap(QStringLiteral(":/icons/about_banner.svg"), QSize(431, 221),
                                 devicePixelRatioF()));

    auto *title = new QLabel(QLatin1String(AppTitle), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSize(12);
    title->setFont(titleFont);

    m_homePageLink = new LinkLabel(
        "LabelURL1", [this] { onHomePageLink(); }, this);
    m_feedbackLink = new LinkLabel(
        "LabelURL2", [this] { onFeedbackLink(); }, this);
    m_supportLink = new LinkLabel(
        "LabelURL3", [this] { onSupportLink(); }, this);

    auto *links = new QGridLayout;
    links->setColumnStretch(1, 1);
    const struct {
        const char *name;
        const char *caption;
        QLabel *link;
    } rows[] = {{"Label3", QT_TR_NOOP("Home Page:"), m_homePageLink},
                {"Label4", QT_TR_NOOP("Send Feedback:"), m_feedbackLink},
                {"Label5", QT_TR_NOOP("Support:"), m_supportLink}};
    for (int i = 0; i < 3; ++i) {
        auto *caption = new QLabel(tr(rows[i].caption), this);
        caption->setObjectName(QLatin1String(rows[i].name));
        links->addWidget(caption, i, 0);
        links->addWidget(rows[i].link, i, 1);
    }

    auto *bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);

    auto *okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("ButtonOK"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, [this] { onOk(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 8);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    auto *text = new QVBoxLayout;
    text->setContentsMargins(16, 8, 16, 0);
    text->addWidget(title);
    text->addSpacing(8);
    text->addLayout(links);
    layout->addLayout(text);
    layout->addStretch();
    layout->addWidget(bevel);
    layout->addLayout(buttons);

    setFixedSize(435, 414);
}

int AboutBox::runModal()
{
    placeAndFill();
    return exec();
}

void AboutBox::placeAndFill()
{
    if (m_mainWindow) {
        if (const auto place =
                CentredOverMain(m_mainWindow->frameGeometry(), frameGeometry().size()))
            move(*place);
    }
    m_homePageLink->setText(QLatin1String(HomePageAddress));
    m_feedbackLink->setText(QLatin1String(InfoMailAddress));
    m_supportLink->setText(QLatin1String(SupportMailAddress));
}

void AboutBox::onHomePageLink()
{
    OpenWebAddress(m_homePageLink->text());
}

void AboutBox::onFeedbackLink()
{
    OpenMailTo(m_feedbackLink->text());
}

void AboutBox::onSupportLink()
{
    OpenMailTo(m_supportLink->text());
}

void AboutBox::onOk()
{
    accept();
}

} // namespace morvaine

#include "dialogs/resource_dialog.h"

#include "dialogs/dialog_position.h"
#include "dialogs/resource_table_model.h"
#include "model/project_file.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QSvgRenderer>
#include <QTableView>

namespace morvaine {

namespace {

// Shows each Cost/Hour with the project's currency in front of it, "$12.5".
class CostDelegate : public QStyledItemDelegate {
public:
    CostDelegate(const Project &project, QObject *parent)
        : QStyledItemDelegate(parent), m_project(project)
    {
    }

    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        const QString text = QStyledItemDelegate::displayText(value, locale);
        return text.isEmpty() ? text : m_project.settings().currency() + text;
    }

private:
    const Project &m_project;
};

QPixmap Picture(const QString &resource, const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    return pixmap;
}

} // namespace

ResourceDialog::ResourceDialog(Project &project, Prompts &prompts, QWidget *mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_project(project), m_mainWindow(mainWindow), m_editor(project, prompts)
{
    setObjectName(QStringLiteral("TFormResource"));
    setWindowTitle(tr("Resource"));
    setModal(true);
    setFixedSize(610, 218);
    move(457, 300);
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setPixelSize(11);
    setFont(dialogFont);

    auto label = [this](const char *name, const char *text, int x, int y) {
        auto *widget = new QLabel(tr(text), this);
        widget->setObjectName(QLatin1String(name));
        widget->move(x, y);
        widget->adjustSize();
    };
    auto edit = [this](const char *name, int x, int y) {
        auto *widget = new QLineEdit(this);
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(x, y, 153, 21);
        // Longer than a cell holds, so that too long a text is refused with a message
        // instead of being cut without a word.
        widget->setMaxLength(MaxCellBytes + 1);
        return widget;
    };
    auto button = [this](const char *name, const char *text, int y) {
        auto *widget = new QPushButton(tr(text), this);
        widget->setObjectName(QLatin1String(name));
        widget->setGeometry(520, y, 75, 25);
        widget->setAutoDefault(false);
        return widget;
    };

    label("Label1", QT_TR_NOOP("Name:"), 8, 20);
    m_name = edit("EditName", 88, 16);
    label("Label2", QT_TR_NOOP("Cost/Hour:"), 8, 52);
    m_cost = edit("EditCost", 88, 49);
    label("Label3", QT_TR_NOOP("Address:"), 288, 20);
    m_address = edit("EditAddress", 352, 16);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(520, 16, 70, 55);
    image->setAttribute(Qt::WA_TranslucentBackground);
    image->setPixmap(Picture(QStringLiteral(":/icons/resource_art.svg"), QSize(70, 55)));

    m_model = new ResourceTableModel(project.resourceTable, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("StringGridResource"));
    m_grid->setGeometry(8, 90, 497, 120);
    m_grid->setModel(m_model);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->verticalHeader()->setDefaultSectionSize(17);
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int widths[ResourceTable::Columns] = {18, 216, 73, 165};
    for (int column = 0; column < ResourceTable::Columns; ++column)
        m_grid->setColumnWidth(column, widths[column]);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setItemDelegateForColumn(ResColCost, new CostDelegate(project, m_grid));
    m_grid->setCurrentIndex(m_model->index(0, ResColName));
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ResourceDialog::onRowSelected);

    m_add = button("ButtonAdd", QT_TR_NOOP("Add"), 88);
    m_delete = button("ButtonDelete", QT_TR_NOOP("Delete"), 120);
    m_edit = button("ButtonEdit", QT_TR_NOOP("Edit"), 152);
    m_close = button("ButtonClose", QT_TR_NOOP("Close"), 184);
    connect(m_add, &QPushButton::clicked, this, &ResourceDialog::onAdd);
    connect(m_delete, &QPushButton::clicked, this, &ResourceDialog::onDelete);
    connect(m_edit, &QPushButton::clicked, this, &ResourceDialog::onEditOrUpdate);
    connect(m_close, &QPushButton::clicked, this, &ResourceDialog::onCloseOrCancel);

    m_editor.setFieldsListener([this] { m_cost->setText(m_editor.fields.cost); });

    setTabOrder(m_name, m_cost);
    setTabOrder(m_cost, m_address);
    showState();
}

int ResourceDialog::selectedRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? ResourceTableModel::tableRow(current.row()) : 1;
}

void ResourceDialog::reject()
{
    onCloseOrCancel();
}

void ResourceDialog::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void ResourceDialog::showEvent(QShowEvent *event)
{
    CentreOverMainWindow(*this, m_mainWindow);
    m_editor.show(selectedRow());
    showState();
    QDialog::showEvent(event);
}

void ResourceDialog::takeFields()
{
    m_editor.fields = {m_name->text(), m_cost->text(), m_address->text()};
}

void ResourceDialog::showState()
{
    const ResourceFields &fields = m_editor.fields;
    if (m_name->text() != fields.name)
        m_name->setText(fields.name);
    if (m_cost->text() != fields.cost)
        m_cost->setText(fields.cost);
    if (m_address->text() != fields.address)
        m_address->setText(fields.address);
    m_add->setEnabled(m_editor.addEnabled());
    m_delete->setEnabled(m_editor.deleteEnabled());
    m_edit->setEnabled(m_editor.editEnabled());
    m_edit->setText(m_editor.editCaption());
    m_close->setText(m_editor.closeCaption());
    if (m_editor.takeNameFocus())
        m_name->setFocus(Qt::OtherFocusReason);
}

void ResourceDialog::onAdd()
{
    takeFields();
    m_editor.add(selectedRow());
    showState();
}

void ResourceDialog::onEditOrUpdate()
{
    takeFields();
    m_editor.editOrUpdate(selectedRow());
    showState();
}

void ResourceDialog::onDelete()
{
    m_editor.deleteRow(selectedRow());
    showState();
}

void ResourceDialog::onCloseOrCancel()
{
    takeFields();
    if (m_editor.closeOrCancel()) {
        accept();
        return;
    }
    showState();
}

void ResourceDialog::onRowSelected()
{
    m_editor.selectRow(selectedRow());
    m_edit->setEnabled(m_editor.editEnabled());
}

} // namespace morvaine

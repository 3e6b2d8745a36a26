// SPDX-License-Identifier: GPL-3.0-or-later
#include "kestrum/clock.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <vector>

#include "kestrum/citynames.h"

#include "platform/MessageBox.h"
#include "platform/TextCodec.h"
#include "platform/ToolTips.h"

namespace {

// The table's name of the city an item shows.
const int kNameRole = Qt::UserRole + 1;

QString StoredName(const QListWidgetItem* item)
{
    return item->data(kNameRole).toString();
}

}  // namespace

CWhatCity::CWhatCity(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("What city?"));
    if (auto* clock = qobject_cast<CClockDlg*>(parent)) m_pHost = clock->GetHost();
    else m_pHost = parent;

    m_Search = new QLineEdit(this);
    m_Search->setPlaceholderText(tr("Search"));
    m_Search->setClearButtonEnabled(true);
    m_List = new QListWidget(this);
    m_List->setSelectionMode(QAbstractItemView::SingleSelection);
    m_OK = new QPushButton(tr("OK"), this);
    m_OK->setDefault(true);
    m_New = new QPushButton(tr("New"), this);
    m_Cancel = new QPushButton(tr("Cancel"), this);
    m_AlarmButton = new QPushButton(tr("Alarm"), this);
    m_Faces = new QComboBox(this);
    m_Faces->addItems({tr("Clasic"), tr("Modern"), tr("Photo"), tr("Icon"), tr("Digital"), tr("24 Hour")});

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_OK);
    buttons->addWidget(m_New);
    buttons->addWidget(m_Cancel);
    buttons->addWidget(m_AlarmButton);
    buttons->addSpacing(8);
    buttons->addWidget(m_Faces);
    buttons->addStretch(1);
    auto* cities = new QVBoxLayout;
    cities->addWidget(m_Search);
    cities->addWidget(m_List, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(cities, 1);
    layout->addLayout(buttons);
    resize(340, 300);

    connect(m_OK, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_New, &QPushButton::clicked, this, [this] { OnClockNew(); });
    connect(m_Cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_Search, &QLineEdit::textChanged, this, [this](const QString& text) { Filter(text); });
    m_Search->installEventFilter(this);
    connect(m_AlarmButton, &QPushButton::clicked, this, [this] { OnForalarm(); });
    connect(m_List, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
}

CWhatCity::~CWhatCity() = default;

bool CWhatCity::eventFilter(QObject* watched, QEvent* e)
{
    // The arrow keys in the search field move through the cities it shows.
    if (watched == m_Search && e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(m_List, e);
            return true;
        }
    }
    return QDialog::eventFilter(watched, e);
}

void CWhatCity::SetArray(const CString& prompt)
{
    m_strPrompt = prompt;
    if (!prompt.empty()) setWindowTitle(ToQt(prompt));
}

void CWhatCity::OnInitDialog()
{
    std::vector<CString> names;
    names.reserve((size_t)m_Table.GetSize());
    for (int i = 0; i < m_Table.GetSize(); ++i) names.push_back(m_Table[i].name);
    // In the user's language and alphabet; each item keeps the table's name, which the clock and
    // its restart line go on using, so that a restart in another language finds the same city.
    const std::unique_ptr<CCityNames> local = CCityNames::For(FromQt(QLocale().name()));
    m_List->clear();
    for (const CCityNames::Entry& e : local->List(names)) {
        auto* item = new QListWidgetItem(ToQt(e.shown), m_List);
        item->setData(kNameRole, ToQt(e.name));
    }
    // Wide enough for the longest name, so that no sideways scrolling is needed.
    const int wide = m_List->sizeHintForColumn(0) + m_List->verticalScrollBar()->sizeHint().width()
        + 2 * m_List->frameWidth() + 8;
    m_List->setMinimumWidth(std::min(std::max(wide, 160), 480));
    m_List->setMinimumHeight(240);
    SelectCurrent(false);
    if (!m_strPrompt.empty()) setWindowTitle(ToQt(m_strPrompt));
    m_Faces->setCurrentIndex(m_nFace >= 0 && m_nFace < m_Faces->count() ? m_nFace : -1);

    SetToolTip(m_Search, tr("Type part of a city's name to find it."));
    SetToolTip(m_List, tr("Select a city."));
    SetToolTip(m_OK, tr("Set current clock for selected city and close"));
    SetToolTip(m_New, tr("Create a new clock for selected city"));
    // Only a clock that exists can be deleted; a chooser for a clock still to be made just closes.
    SetToolTip(m_Cancel, m_bDeletes ? tr("Delete the current clock and close") : tr("Close without making a clock"));
    SetToolTip(m_AlarmButton, tr("Setup an alarm time relitive to selected city"));
    SetToolTip(m_Faces, tr("Select clock appearance"));
    m_bInitialised = true;
}

void CWhatCity::SelectCurrent(bool keepScroll)
{
    const int scroll = m_List->verticalScrollBar()->value();
    const QString current = ToQt(m_strCity);
    int found = -1;
    for (int i = 0; i < m_List->count(); ++i) {
        if (StoredName(m_List->item(i)).startsWith(current, Qt::CaseInsensitive)) {
            found = i;
            break;
        }
    }
    m_List->clearSelection();
    if (found >= 0) {
        m_List->setCurrentRow(found);
        if (!keepScroll) m_List->scrollToItem(m_List->item(found), QAbstractItemView::PositionAtCenter);
    } else {
        m_List->setCurrentRow(-1);
    }
    if (keepScroll) m_List->verticalScrollBar()->setValue(scroll);
}

CString CWhatCity::SelectedCity() const
{
    const QList<QListWidgetItem*> sel = m_List->selectedItems();
    // A city the search has hidden is not what the user sees chosen.
    if (sel.isEmpty() || sel.first()->isHidden()) return CString();
    return FromQt(StoredName(sel.first()));
}

void CWhatCity::Filter(const QString& text)
{
    const QString wanted = text.trimmed();
    QListWidgetItem* firstShown = nullptr;
    for (int i = 0; i < m_List->count(); ++i) {
        QListWidgetItem* item = m_List->item(i);
        // The name shown and the English one: "Wien" and "Vienna" both find Vienna.
        const bool shown = wanted.isEmpty() || item->text().contains(wanted, Qt::CaseInsensitive) ||
                           StoredName(item).contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !firstShown) firstShown = item;
    }
    // The selection follows the filter, so that OK takes a city the user can see.
    QListWidgetItem* current = m_List->currentItem();
    if (current && current->isSelected() && !current->isHidden()) {
        m_List->scrollToItem(current);
    } else if (firstShown) {
        m_List->setCurrentItem(firstShown);
        m_List->scrollToItem(firstShown);
    } else {
        m_List->clearSelection();
    }
}

void CWhatCity::OnCancel()
{
    if (!m_bDeletes) {
        reject();
        return;
    }
    if (AfxMessageBox(FromQt(CClockDlg::tr("Delete this clock?")), MB_YESNO | MB_ICONQUESTION, FromQt(windowTitle()), this)
        == IDYES)
        done(Delete);
}

int CWhatCity::exec()
{
    if (!m_bInitialised) OnInitDialog();
    if (layout()) layout()->activate();
    resize(sizeHint());
    QPoint mouse = QCursor::pos();
    QRect r(QPoint(0, 0), size());
    r.moveCenter(mouse);
    if (QScreen* s = QGuiApplication::screenAt(mouse)) {
        QRect avail = s->availableGeometry();
        r.moveLeft(std::max(avail.left(), std::min(r.left(), avail.right() - r.width())));
        r.moveTop(std::max(avail.top(), std::min(r.top(), avail.bottom() - r.height())));
    }
    move(r.topLeft());
    // The list can only bring its selection into view once it has its final size.
    QTimer::singleShot(0, this, [this] {
        if (QListWidgetItem* item = m_List->currentItem())
            m_List->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    });
    return QDialog::exec();
}

void CWhatCity::OnOK()
{
    // Without a selected city there is nothing to set the clock to.
    CString city = SelectedCity();
    if (city.empty()) return;
    if (m_Faces->currentIndex() >= 0) m_nFace = m_Faces->currentIndex();
    m_strCity = city;
    accept();
}

void CWhatCity::OnForalarm()
{
    CString city = SelectedCity();
    if (city.empty()) return;
    m_Alarm.zone = m_Table.GetZone(city);
    m_Alarm.Dialog(this);
}

void CWhatCity::OnClockNew()
{
    CString city = SelectedCity();
    if (city.empty()) return;
    int face = m_Faces->currentIndex();
    if (face < 0) face = 0;
    CString alarmTag;
    if (m_Alarm.set) alarmTag = m_Alarm.GetTag();
    CString command = MakeNewClockCommand(face, m_Table.GetZone(city).GetTag(), m_Alarm.set ? &alarmTag : nullptr, city);
    QObject* target = m_pHost ? m_pHost.data() : QCoreApplication::instance();
    // The new clock goes beside this dialog: over it, it would hide the buttons (it stays on top).
    if (target) QCoreApplication::postEvent(target, new CClockMessage(WM_CLOCK_NEW, command, nullptr, frameGeometry()));
    // Back to the current clock's own city and face. A search that hides that city is cleared,
    // or OK would find nothing selected and do nothing.
    SelectCurrent(true);
    if (QListWidgetItem* current = m_List->currentItem(); current && current->isHidden()) {
        m_Search->clear();
        SelectCurrent(false);
    }
    m_Faces->setCurrentIndex(m_nFace >= 0 && m_nFace < m_Faces->count() ? m_nFace : -1);
}

void CWhatCity::ReleaseMem()
{
    m_Table.Unload();
}

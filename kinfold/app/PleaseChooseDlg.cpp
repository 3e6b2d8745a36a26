// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PleaseChooseDlg.h"
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include "platform/TextCodec.h"

CPleaseChooseDlg::CPleaseChooseDlg(QWidget* parent) : CKinfoldDialog(parent)
{
    setWindowTitle(tr("Please Choose"));
    auto* layout = new QVBoxLayout(this);
    m_ctlTitle = new QLabel(this);
    m_ctlTitle->setAlignment(Qt::AlignCenter);
    QFont bold = m_ctlTitle->font();
    bold.setBold(true);
    m_ctlTitle->setFont(bold);
    layout->addWidget(m_ctlTitle);

    auto* line = new QHBoxLayout;
    line->addWidget(new QLabel(tr("Two dates given for"), this));
    m_ctlKind = new QLabel(this);
    line->addWidget(m_ctlKind);
    line->addStretch(1);
    layout->addLayout(line);
    layout->addWidget(new QLabel(tr("Please choose the correct one."), this));

    auto* grid = new QGridLayout;
    m_ctlDateA = new QLabel(this);
    m_ctlDateB = new QLabel(this);
    m_ctlDateA->setAlignment(Qt::AlignCenter);
    m_ctlDateB->setAlignment(Qt::AlignCenter);
    m_btnA = new QPushButton("A", this);
    m_btnB = new QPushButton("B", this);
    m_btnA->setDefault(true);
    m_btnA->setAutoDefault(true);
    grid->addWidget(m_ctlDateA, 0, 0);
    grid->addWidget(m_ctlDateB, 0, 1);
    grid->addWidget(m_btnA, 1, 0);
    grid->addWidget(m_btnB, 1, 1);
    layout->addSpacing(6);
    layout->addLayout(grid);
    connect(m_btnA, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnB, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumWidth(280);
}

void CPleaseChooseDlg::OnInitDialog()
{
    m_ctlTitle->setText(ToQt(m_strTitle));
    // The kinds the list asks about, in the user's language.
    static const char* const kinds[] = {QT_TRANSLATE_NOOP("CPleaseChooseDlg", "Death"),
                                        QT_TRANSLATE_NOOP("CPleaseChooseDlg", "Married"),
                                        QT_TRANSLATE_NOOP("CPleaseChooseDlg", "Birth")};
    QString kind = ToQt(m_strKind);
    for (const char* k : kinds)
        if (m_strKind == k) kind = tr(k);
    m_ctlKind->setText(kind);
    m_ctlDateA->setText(ToQt(m_strDateA));
    m_ctlDateB->setText(ToQt(m_strDateB));
    m_btnA->setFocus();
}

DateChoice CPleaseChooseDlg::Ask()
{
    return exec() == QDialog::Accepted ? DateChoice::A : DateChoice::B;
}

ChooseDateCallback PleaseChooseCallback(QWidget* parent)
{
    return [parent](const CString& text, const CString& word, const CString& dateA, const CString& dateB) {
        CPleaseChooseDlg dlg(parent);
        dlg.m_strTitle = text;
        dlg.m_strKind = word;
        dlg.m_strDateA = dateA;
        dlg.m_strDateB = dateB;
        return dlg.Ask();
    };
}

ScopedPleaseChoose::ScopedPleaseChoose(BirthdayList& list, QWidget* parent) : m_list(list), m_before(list.Chooser())
{
    m_list.SetChooser(PleaseChooseCallback(parent));
}

ScopedPleaseChoose::~ScopedPleaseChoose()
{
    m_list.SetChooser(m_before);
}

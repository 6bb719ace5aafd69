// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "Indstil.h"
#include "Artwork.h"
#include "Fonts.h"
#include "GlyphButton.h"
#include "MessageDlg.h"
#include "PrinterService.h"
#include "WindowPlacement.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

RadioGroup::RadioGroup(const QStringList &items, QWidget *parent)
    : QFrame(parent)
    , m_group(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        m_group->addButton(button, i);
        layout->addWidget(button);
    }
    if (!items.isEmpty())
        m_group->button(0)->setChecked(true);
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = m_group->button(index))
        button->setChecked(true);
}

QRadioButton *RadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton *>(m_group->button(index));
}

TfmIndstil::TfmIndstil(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fmIndstil"));
    setWindowTitle(tr("Indstillinger"));
    setFont(Fonts::font(QStringLiteral("MS Sans Serif"), 11));
    setAutoFillBackground(true);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(silver);
    setFixedSize(281, 110);

    TabbedNotebook1 = new QTabWidget(this);
    TabbedNotebook1->setGeometry(0, 0, 281, 110);

    auto *distancePage = new QWidget;
    rgAfstand = new RadioGroup({tr("Taxi afstand"), tr("Direkte afstand")}, distancePage);
    rgAfstand->setObjectName(QStringLiteral("rgAfstand"));
    rgAfstand->setGeometry(11, 8, 134, 57);
    rgAfstand->setItemIndex(FirstMeasure == dmDirect ? 1 : 0);
    rgAfstand->setAccessibleName(tr("Afstandsmål"));
    TabbedNotebook1->addTab(distancePage, tr("Afstandsmål"));

    auto *printerPage = new QWidget;
    bbPrinterSetup = new GlyphButton(tr("Printer indstilling"), Artwork::icon(QStringLiteral("printer-indstil")),
                                     QSize(20, 20), printerPage);
    bbPrinterSetup->setObjectName(QStringLiteral("bbPrinterSetup"));
    bbPrinterSetup->setGeometry(7, 18, 122, 31);
    bbPrinterSetup->setFont(Fonts::font(QStringLiteral("Arial"), 11));
    bbPrinterSetup->setToolTip(tr("Printer opsætning"));
    bbPrinterSetup->setAutoDefault(false);
    bbPrinterSetup->setEnabled(PrinterService::hasSetup()); // a browser chooses its printer itself
    TabbedNotebook1->addTab(printerPage, tr("Printer"));
    connect(bbPrinterSetup, &QPushButton::clicked, this, &TfmIndstil::bbPrinterSetupClick);

    OKBtn = new GlyphButton(tr("OK"), Artwork::icon(QStringLiteral("ok")), QSize(18, 18), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(192, 36, 77, 23);
    CancelBtn = new GlyphButton(tr("Fortryd"), Artwork::icon(QStringLiteral("annuller")), QSize(18, 18), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    CancelBtn->setGeometry(192, 68, 77, 23);
    for (QPushButton *button : {OKBtn, CancelBtn}) {
        // no default button: Enter does not close the dialog
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->raise();
    }
    connect(OKBtn, &QPushButton::clicked, this, [this] { done(mrOk); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { done(mrCancel); });
}

TDistanceMeasure TfmIndstil::distanceMeasure() const
{
    return rgAfstand->itemIndex() == 1 ? dmDirect : dmTaxi;
}

void TfmIndstil::reject()
{
    done(mrCancel);
}

void TfmIndstil::bbPrinterSetupClick()
{
    PrinterService::setup(this);
}

void TfmIndstil::showEvent(QShowEvent *event)
{
    if (!m_shownBefore) {
        m_shownBefore = true;
        WindowPlacement::centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

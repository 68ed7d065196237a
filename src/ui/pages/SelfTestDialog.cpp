#include "SelfTestDialog.h"

#include "common/Texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SelfTestDialog::SelfTestDialog(SelfTestKind kind, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dlgSelfTest"));
    setWindowTitle(Texts::text(Texts::SelfTestCaption));
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(Texts::text(Texts::SelfTestQuestion), this);
    QFont bold = question->font();
    bold.setBold(true);
    question->setFont(bold);
    layout->addWidget(question);
    rbKoeo = new QRadioButton(SelfTestGuide::caption(SelfTestKind::Koeo), this);
    rbKoeo->setObjectName(QStringLiteral("rbKoeo"));
    rbKoer = new QRadioButton(SelfTestGuide::caption(SelfTestKind::Koer), this);
    rbKoer->setObjectName(QStringLiteral("rbKoer"));
    (kind == SelfTestKind::Koer ? rbKoer : rbKoeo)->setChecked(true);
    layout->addWidget(rbKoeo);
    layout->addWidget(rbKoer);
    laSelfTestSteps = new QLabel(this);
    laSelfTestSteps->setObjectName(QStringLiteral("laSelfTestSteps"));
    laSelfTestSteps->setTextFormat(Qt::RichText);
    laSelfTestSteps->setWordWrap(true);
    // Wide enough for the longest line of either list; both lists fit without a jump.
    laSelfTestSteps->setMinimumWidth(520);
    layout->addWidget(laSelfTestSteps, 1);
    auto* note = new QLabel(Texts::text(Texts::SelfTestEcuChooses), this);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* start
        = buttons->addButton(Texts::text(Texts::SelfTestStart), QDialogButtonBox::AcceptRole);
    start->setObjectName(QStringLiteral("btStartTest"));
    start->setDefault(true);
    QPushButton* back
        = buttons->addButton(Texts::text(Texts::SelfTestBack), QDialogButtonBox::RejectRole);
    back->setObjectName(QStringLiteral("btBackOut"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(rbKoeo, &QRadioButton::toggled, this, &SelfTestDialog::showSteps);
    showSteps();
}

SelfTestKind SelfTestDialog::kind() const
{
    return rbKoer->isChecked() ? SelfTestKind::Koer : SelfTestKind::Koeo;
}

void SelfTestDialog::showSteps()
{
    const SelfTestKind k = kind();
    laSelfTestSteps->setText(
        SelfTestGuide::htmlList(Texts::text(Texts::SelfTestBefore), SelfTestGuide::preparation(k))
        + SelfTestGuide::htmlList(
            Texts::text(Texts::SelfTestDuring), SelfTestGuide::duringTest(k)));
    adjustSize();
}

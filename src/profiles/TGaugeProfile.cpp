// Dashboard profiles.
#include "profiles/TGaugeProfile.h"

#include "common/AnsiCodec.h"
#include "common/CommaText.h"
#include "common/TColor.h"
#include "common/Texts.h"
#include "profiles/BusyCursor.h"
#include "profiles/DefinitionErrors.h"
#include "profiles/DefinitionUtf8.h"
#include "profiles/ProfileFile.h"
#include "profiles/PropertyDefinitions.h"
#include "profiles/TFordTrend.h"
#include "store/TFordData.h"
#include "widgets/TFordPanel.h"
#include "widgets/WidgetRegistry.h"

#include <exception>

namespace {

const QString MainSection = QStringLiteral("Main");
const QString GaugesSection = QStringLiteral("Gauges");

} // namespace

TGaugeProfile::TGaugeProfile(QObject* owner)
    : QObject(owner)
{
}

TGaugeProfile::~TGaugeProfile()
{
    // A widget that its panel destroyed first is gone from the list by itself.
    for (const QPointer<QObject>& widget : std::as_const(m_widgets))
        delete widget.data();
}

QList<QObject*> TGaugeProfile::Widgets() const
{
    QList<QObject*> alive;
    for (const QPointer<QObject>& widget : m_widgets)
        if (widget)
            alive.append(widget.data());
    return alive;
}

void TGaugeProfile::LoadHeader(const QString& fileName, TFordPanel* panel)
{
    m_fileName = fileName;
    m_panel = panel;
    TProfileFile file;
    if (!file.load(fileName))
        file.parse(QByteArray());
    const std::optional<QByteArray> name = file.value(MainSection, QStringLiteral("Name"));
    m_name = name ? decodeDefinitionUtf8(*name) : QStringLiteral("?????");
    m_table = fromAnsi(file.value(MainSection, QStringLiteral("Table")).value_or("P"));
    const std::optional<QByteArray> color
        = file.value(MainSection, QStringLiteral("BackgroundColor"));
    m_background = color ? fromAnsi(*color) : panel ? panel->Color().toText() : clBtnFace.toText();
}

void TGaugeProfile::Activate()
{
    if (Widgets().isEmpty() && !build())
        return;
    if (!m_panel)
        return;
    for (const QPointer<QObject>& object : std::as_const(m_widgets))
        if (auto* widget = qobject_cast<QWidget*>(object.data()))
            widget->setParent(m_panel);
}

void TGaugeProfile::Deactivate()
{
    for (qsizetype i = m_widgets.size() - 1; i >= 0; --i)
        if (auto* widget = qobject_cast<QWidget*>(m_widgets.at(i).data()))
            widget->setParent(nullptr);
}

bool TGaugeProfile::build()
{
    BusyCursor busy;
    try {
        TProfileFile file;
        if (!m_panel || !file.load(m_fileName))
            return false;
        const std::optional<TColor> background = TColor::fromText(m_background);
        if (!background)
            return false;
        m_panel->setColor(*background);
        if (file.overlongLines() > 0)
            reportDefinitionError(Texts::text(Texts::ProfileLinesTooLong)
                                      .arg(m_fileName)
                                      .arg(file.overlongLines())
                                      .arg(TProfileFile::MaxLineLength));
        const TProfileSection* gauges = file.section(GaugesSection);
        if (!gauges)
            return true;
        QObject* owner = parent();
        int definitions = 0;
        for (const TProfileLine& line : gauges->lines) {
            if (!line.hasEquals)
                continue;
            std::unique_ptr<QObject> created = createWidget(fromAnsi(line.value));
            if (!created)
                continue;
            if (m_widgets.size() >= MaxWidgets) {
                reportDefinitionError(
                    Texts::text(Texts::ProfileTooManyWidgets).arg(m_fileName).arg(MaxWidgets));
                return true;
            }
            QObject* widget = created.release();
            if (auto* control = qobject_cast<TControl*>(widget))
                control->setVisibleState(false);
            m_widgets.append(widget);
            if (auto* trend = qobject_cast<TFordTrend*>(widget))
                trend->setDataManager(m_store);
            for (const QString& sectionName : splitCommaText(fromAnsi(line.key))) {
                const TProfileSection* section = file.section(sectionName);
                if (!section)
                    continue;
                for (const TProfileLine& definition : section->lines) {
                    if (!definition.hasEquals)
                        continue;
                    if (++definitions > MaxDefinitions) {
                        reportDefinitionError(Texts::text(Texts::ProfileTooManyDefinitions)
                                                  .arg(m_fileName)
                                                  .arg(MaxDefinitions));
                        return true;
                    }
                    ApplyDefinition(owner, widget, fromAnsi(definition.key), definition.value);
                }
            }
        }
        return true;
    } catch (const std::exception&) {
        // The build ends quietly; what was made so far stays and is attached next time.
        return false;
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 VeskorReader developers
// Dashboard profiles.
#include "profiles/TGaugeProfile.h"

#include "common/AnsiCodec.h"
#include "common/CommaText.h"
#include "common/TColor.h"
#include "common/Texts.h"
#include "common/UiLanguage.h"
#include "profiles/BusyCursor.h"
#include "profiles/DefinitionErrors.h"
#include "profiles/DefinitionUtf8.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileLanguage.h"
#include "profiles/ProfileReport.h"
#include "profiles/ProfileUnits.h"
#include "profiles/PropertyDefinitions.h"
#include "profiles/TFordTrend.h"
#include "store/TFordData.h"
#include "widgets/TFordPanel.h"
#include "widgets/WidgetRegistry.h"

#include <QFileInfo>
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
    const QString english
        = decodeDefinitionUtf8(file.value(MainSection, QStringLiteral("NameEn")).value_or(""));
    if (Languages::current() == UiLanguage::English && !english.isEmpty())
        m_name = english;
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

namespace {

// Definition errors raised while one line is applied land in the load's report with that
// line's number and path, instead of one box each.
class DefinitionCollector {
public:
    explicit DefinitionCollector(TProfileReport& report)
        : m_previous(
            setDefinitionErrorReporter([this](const QString& message, const QString& detail) {
                m_report.add(m_line, m_property, detail.isEmpty() ? message : detail);
            }))
        , m_report(report)
    {
    }
    ~DefinitionCollector() { setDefinitionErrorReporter(m_previous); }
    DefinitionCollector(const DefinitionCollector&) = delete;
    DefinitionCollector& operator=(const DefinitionCollector&) = delete;

    void at(int line, const QString& property)
    {
        m_line = line;
        m_property = property;
    }

private:
    DefinitionErrorReporter m_previous;
    TProfileReport& m_report;
    int m_line = 0;
    QString m_property;
};

// Why a file from which no widget was built gave none.
QString whyNothingWasBuilt(const TProfileFile& file)
{
    if (file.empty())
        return Texts::text(Texts::ProfileEmpty);
    if (file.utf16() || file.hasNul())
        return Texts::text(Texts::ProfileUtf16);
    if (!file.section(GaugesSection))
        return Texts::text(Texts::ProfileNoGauges);
    return Texts::text(Texts::ProfileNoWidgets);
}

QString unreadableReason(const QString& path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return Texts::text(Texts::ProfileIsDirectory);
    if (info.exists() && info.size() > TProfileFile::MaxFileSize)
        return Texts::text(Texts::ProfileTooLarge).arg(TProfileFile::MaxFileSize / (1024 * 1024));
    return Texts::text(Texts::ProfileUnreadable);
}

// The definition paths of a widget made of these sections, at most limit of them.
QStringList definitionPaths(const TProfileFile& file, const QStringList& sections, int limit)
{
    QStringList paths;
    for (const QString& name : sections) {
        const TProfileSection* section = file.section(name);
        for (const TProfileLine& line : section ? section->lines : QList<TProfileLine>()) {
            if (paths.size() >= limit)
                return paths;
            if (line.hasEquals)
                paths.append(fromAnsi(line.key));
        }
    }
    return paths;
}

QString mebibytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024 * 1024), 'f', 0);
}

} // namespace

bool TGaugeProfile::build()
{
    BusyCursor busy;
    TProfileReport report(m_fileName);
    bool built = false;
    try {
        built = buildInto(report);
    } catch (const std::exception& e) {
        // What was made so far stays and is attached next time.
        report.add(0, {}, QString::fromLocal8Bit(e.what()));
    }
    // A profile that cannot be built is tried again at each activation, but told once.
    if (!m_reportDelivered) {
        m_reportDelivered = true;
        m_report = report;
        deliverProfileReport(report);
    }
    return built;
}

bool TGaugeProfile::buildInto(TProfileReport& report)
{
    TProfileFile file;
    if (!m_panel)
        return false;
    if (!file.load(m_fileName)) {
        report.markUnusable(0, {}, unreadableReason(m_fileName));
        return false;
    }
    const std::optional<TColor> background = TColor::fromText(m_background);
    if (!background) {
        const TProfileLine* line = file.line(MainSection, QStringLiteral("BackgroundColor"));
        report.markUnusable(line ? line->number : 0, QStringLiteral("BackgroundColor"),
            Texts::text(Texts::ProfileBadBackground).arg(m_background));
        return false;
    }
    m_panel->setColor(*background);
    // The name was read with the header; its warning comes with the load's report.
    const TProfileLine* name = file.line(MainSection, QStringLiteral("Name"));
    if (name && !name->value.isEmpty() && decodeDefinitionUtf8(name->value).isEmpty())
        report.add(name->number, QStringLiteral("Main.Name"), Texts::text(Texts::ProfileNotUtf8));
    if (file.overlongLines() > 0)
        report.add(file.firstOverlongLine(), {},
            Texts::text(Texts::ProfileLinesTooLong)
                .arg(m_fileName)
                .arg(file.overlongLines())
                .arg(TProfileFile::MaxLineLength));
    const TProfileSection* gauges = file.section(GaugesSection);
    if (gauges)
        buildWidgets(file, *gauges, report);
    if (m_widgets.isEmpty())
        report.markUnusable(
            gauges ? gauges->lines.first().number : 0, {}, whyNothingWasBuilt(file));
    return true;
}

void TGaugeProfile::buildWidgets(
    const TProfileFile& file, const TProfileSection& gauges, TProfileReport& report)
{
    DefinitionCollector collector(report);
    QObject* owner = parent();
    int definitions = 0;
    qint64 imageBytes = 0;
    for (const TProfileLine& line : gauges.lines) {
        if (!line.hasEquals)
            continue;
        std::unique_ptr<QObject> created = createWidget(fromAnsi(line.value));
        if (!created)
            continue;
        if (m_widgets.size() >= MaxWidgets) {
            report.add(line.number, {},
                Texts::text(Texts::ProfileTooManyWidgets).arg(m_fileName).arg(MaxWidgets));
            return;
        }
        auto* control = qobject_cast<TControl*>(created.get());
        if (control)
            control->setVisibleState(false);
        if (auto* trend = qobject_cast<TFordTrend*>(created.get()))
            trend->setDataManager(m_store);
        const QStringList sectionNames = splitCommaText(fromAnsi(line.key));
        ProfileLanguage language(Languages::current() == UiLanguage::English
                ? definitionPaths(file, sectionNames, MaxDefinitions - definitions)
                : QStringList());
        for (const QString& sectionName : sectionNames) {
            const TProfileSection* section = file.section(sectionName);
            if (!section)
                continue;
            for (const TProfileLine& definition : section->lines) {
                if (!definition.hasEquals)
                    continue;
                if (++definitions > MaxDefinitions) {
                    report.add(definition.number, {},
                        Texts::text(Texts::ProfileTooManyDefinitions)
                            .arg(m_fileName)
                            .arg(MaxDefinitions));
                    m_widgets.append(created.release());
                    return;
                }
                const QString path = fromAnsi(definition.key);
                collector.at(definition.number, section->name + QLatin1Char('.') + path);
                const int before = report.count();
                const QString applied = language.pathFor(path);
                if (!applied.isEmpty()) {
                    ApplyDefinition(owner, created.get(), applied, definition.value);
                    language.applied(applied, definition.value);
                }
                if (!definition.value.isEmpty()
                    && decodeDefinitionUtf8(definition.value).isEmpty()) {
                    const QString hint = Texts::text(Texts::ProfileNotUtf8);
                    if (report.count() > before)
                        report.amendLast(hint);
                    else
                        report.add(
                            definition.number, section->name + QLatin1Char('.') + path, hint);
                }
            }
        }
        language.nameByPid(created.get());
        showInChosenUnits(created.get());
        // The images are made when the widget is first drawn: one past the dashboard's
        // budget is never made at all.
        const qint64 bytes = control ? control->imageBytes() : 0;
        if (imageBytes + bytes > MaxImageBytes) {
            report.add(line.number, fromAnsi(line.key),
                Texts::text(Texts::ProfileImageMemory)
                    .arg(mebibytes(bytes), mebibytes(MaxImageBytes), mebibytes(imageBytes)));
            continue;
        }
        imageBytes += bytes;
        m_widgets.append(created.release());
    }
}

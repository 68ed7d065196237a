// The fault codes page against the simulator: reading the codes, the list, the stamped
// diagnosis date, copy and the HTML report.
#include "ui/pages/FaultsPage.h"

#include "WindowTestSupport.h"
#include "common/TextFile.h"
#include "common/Texts.h"
#include "ui/GlowLabel.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPaintEngine>
#include <QPainter>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

// A paint device that keeps the texts drawn on it, so that a test reads what a list row shows.
class TextCatcher : public QPaintDevice {
public:
    QStringList Drawn;

    QPaintEngine* paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return 1000;
        case PdmHeight:
            return 200;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(QStringList& texts)
            : m_texts(texts)
        {
        }
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override { }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
        void drawPath(const QPainterPath&) override { }
        void drawTextItem(const QPointF&, const QTextItem& item) override
        {
            m_texts.append(item.text());
        }
        Type type() const override { return User; }

    private:
        QStringList& m_texts;
    };
    mutable Engine m_engine { Drawn };
};

class FaultsPageTest : public ::testing::Test {
protected:
    void connect(const char* vehicleName)
    {
        h.writeFile("reader.ini", "[Main]\nComPortName=sim\nComPortSpeed=2\n[Autos]\nCurrent=0\n");
        h.writeFile("autos.ini", registerText({ { vehicleName, "4BAA" }, { "Other", "" } }));
        h.open([](SimConfig& c) { c.StoredCodes = { 112, 23 }; });
        ASSERT_TRUE(waitUntil([&] {
            return h.find<GlowLabel>("laWorkmode")->text() == Texts::text(Texts::ModeExchange);
        }));
    }
    void readCodes()
    {
        h.window().pages()->setCurrentIndex(0);
        h.find<QAction>("acReadFaults")->trigger();
        EXPECT_EQ(h.window().pages()->currentWidget(), h.window().faultsPage());
        ASSERT_TRUE(
            waitUntil([&] { return h.find<QListWidget>("lbFaults")->count() >= 3; }, 20000));
        EXPECT_FALSE(h.find<QLabel>("pnReadingFaults")->isVisible());
    }

    WindowHarness h;
};

} // namespace

TEST_F(FaultsPageTest, ReadCodesListsThemAndStampsTheDiagnosis)
{
    connect("Escort");
    readCodes();
    const QStringList entries = h.window().faultsPage()->entries();
    EXPECT_EQ(entries.first(), "0");
    EXPECT_TRUE(entries.contains("112"));
    EXPECT_TRUE(entries.contains("023"));
    EXPECT_EQ(entries.size(), 3);
    // The current vehicle's diagnosis is now, in the list and in autos.ini.
    EXPECT_FALSE(h.readFile("autos.ini")
                     .contains("LastRead=01.01.2020\nComment=\nCarProfile=0\nCalID=4BAA"));
    const QString copied = h.window().faultsPage()->copyText();
    EXPECT_TRUE(copied.startsWith("Название: Escort\r\n"));
    EXPECT_TRUE(copied.contains("Код: 023\r\n"));
    h.find<QAction>("acCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), copied);
}

TEST_F(FaultsPageTest, ReportGoesIntoTheVehiclesFolderEscapedAndIsOpened)
{
    connect("<b>x</b>\"><script>..");
    readCodes();
    h.find<QAction>("acSaveReport")->trigger();
    ASSERT_EQ(h.Prompts.Opened.size(), 1) << qPrintable(h.Prompts.Warnings.join("\n"));
    const QString file = h.Prompts.Opened.first();
    EXPECT_EQ(QFileInfo(file).dir().dirName(), "_b_x__b____script___");
    EXPECT_EQ(QFileInfo(file).dir().absolutePath(),
        QDir(h.path("Reports")).absoluteFilePath("_b_x__b____script___"));
    const QString html = readTextFile(file).join("\n");
    EXPECT_TRUE(html.contains("&lt;b&gt;x&lt;/b&gt;&quot;&gt;&lt;script&gt;.."))
        << qPrintable(html.left(400));
    EXPECT_FALSE(html.contains("<script>"));
    EXPECT_TRUE(html.contains("<td class=\"code\">23</td>"));
    EXPECT_TRUE(html.contains("<td class=\"code\">112</td>"));
}

TEST_F(FaultsPageTest, NoReportWithoutCodesOrVehicleAndNoCrashOnCopy)
{
    connect("Escort");
    FaultsPage* page = h.window().faultsPage();
    EXPECT_EQ(page->saveReport(), ""); // empty list
    h.find<QComboBox>("cbCurrentAuto")->setCurrentIndex(-1);
    readCodes();
    EXPECT_EQ(page->entries().first(), "-1");
    EXPECT_EQ(page->saveReport(), "");
    EXPECT_TRUE(page->copyText().startsWith("Код: "));
    EXPECT_FALSE(QDir(h.path("Reports")).exists() && !QDir(h.path("Reports")).isEmpty());
    h.find<QListWidget>("lbFaults")->grab(); // the header row draws its line alone
}

TEST_F(FaultsPageTest, ACodeTheDictionaryLacksReadsNoDescriptionInTheListTheCopyAndTheReport)
{
    h.writeFile("codes.txt",
        "\xEF\xBB\xBF"
        "112\nKOEO\nEnglish 112\nТекст 112\nComment 112\n"); // no 23
    connect("Escort");
    readCodes();
    const QString none = Texts::text(Texts::NoDescription);
    const auto shownIn = [&](const QString& entry) {
        QListWidget* list = h.find<QListWidget>("lbFaults");
        const QList<QListWidgetItem*> items = list->findItems(entry, Qt::MatchExactly);
        EXPECT_EQ(items.size(), 1) << qPrintable(entry);
        if (items.isEmpty())
            return QStringList();
        TextCatcher device;
        QPainter painter(&device);
        QStyleOptionViewItem option;
        option.initFrom(list);
        option.rect = QRect(0, 0, 1000, 100);
        list->itemDelegate()->paint(&painter, option, list->indexFromItem(items[0]));
        return device.Drawn;
    };
    // The list.
    EXPECT_TRUE(shownIn("023").contains(none)) << qPrintable(shownIn("023").join(" | "));
    EXPECT_TRUE(shownIn("112").contains("Текст 112"));
    EXPECT_FALSE(shownIn("112").contains(none));
    // The copy.
    const QString copied = h.window().faultsPage()->copyText();
    EXPECT_EQ(copied.count(none), 1) << qPrintable(copied);
    EXPECT_TRUE(copied.contains("Код: 023\r\nРежим: \r\nОписание: " + none + "\r\n"));
    // The report.
    h.find<QAction>("acSaveReport")->trigger();
    ASSERT_EQ(h.Prompts.Opened.size(), 1) << qPrintable(h.Prompts.Warnings.join("\n"));
    const QString html = readTextFile(h.Prompts.Opened.first()).join("\n");
    EXPECT_EQ(html.count(none), 1) << qPrintable(html);
    EXPECT_TRUE(html.contains("Текст 112"));
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Where field texts land: composition onto a recording paint device at a chosen resolution,
// compared with the positions the layout rules give.
#include "PrintTestSupport.h"
#include "platform/Settings.h"
#include "print/PrintManager.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QTextItem>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>

namespace taxilo {
namespace {

// A paint device that draws nothing and remembers every text with its baseline position.
class RecordingEngine : public QPaintEngine {
public:
    struct Item {
        QPointF at;
        QString text;
        QFont font;
    };
    std::vector<Item> texts;
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& item) override
    {
        texts.push_back({painter()->transform().map(p), item.text(), item.font()});
    }
    Type type() const override { return QPaintEngine::User; }
};

class RecordingDevice : public QPaintDevice {
public:
    explicit RecordingDevice(int dpi) : dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    RecordingEngine& Engine() { return engine_; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return dpi_ * 827 / 100;
        case PdmHeight: return dpi_ * 1169 / 100;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return dpi_;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default: return 0;
        }
    }

private:
    int dpi_;
    mutable RecordingEngine engine_;
};

class Composition : public ::testing::Test {
protected:
    void SetUp() override
    {
        Settings::Instance().UseFile(QString::fromStdString(dir.File("registry.ini")));
        std::filesystem::create_directories(dir.Path() + "Wzorce");
        test::WritePattern(dir.Path() + "Wzorce/", test::kOnePage);
        engine.BaseDir = dir.Path();
        engine.SetVar("T_NAZWA", Value::MakeText("Nowak"));
        engine.SetVar("T_KWOTA", Value::MakeFloat(1234.5));
        engine.SetVar("T_NIP", Value::MakeText("123"));
        manager.OpenPattern(dir.Path() + "Wzorce/JEDNA", nullptr, 1.0, engine);
        ASSERT_EQ(manager.PageCount, 1);
        ASSERT_EQ(manager.Fields.size(), 3u);
    }
    void TearDown() override { Settings::Instance().UseFile({}); }

    std::vector<RecordingEngine::Item> Print(int dpi)
    {
        RecordingDevice device(dpi);
        QPainter painter(&device);
        PaintPageDrawing(painter, manager.RenderPrintedPage(engine, device));
        painter.end();
        std::vector<RecordingEngine::Item> fields;
        for (const auto& t : device.Engine().texts)
            if (t.text != "Pole") // the page image's own text
                fields.push_back(t);
        return fields;
    }
    static double Ascent(const QFont& font, int dpi)
    {
        RecordingDevice device(dpi);
        return QFontMetricsF(font, &device).ascent();
    }

    test::TempDir dir;
    TParser engine;
    TPrintManage manager;
};

TEST_F(Composition, PrintedFieldsSitAtTheirPositionsScaledToThePrinter)
{
    Settings::Instance().Write(kPrintSettingsKey, "Coeff_X", 1.0);
    Settings::Instance().Write(kPrintSettingsKey, "Coeff_Y", 1.0);
    const int dpi = 600;
    const auto texts = Print(dpi);
    ASSERT_EQ(texts.size(), 5u); // Nowak, the amount, and 1, 2, 3
    const auto image = manager.LoadPageImage();
    const double dX = dpi / 25.4;
    const double kx = std::round(dX * 181) / image.Width, ky = std::round(dX * 267) / image.Height;
    const double ox = std::round(dX * 13), oy = std::round(dX * 10);
    const QFont font10 = texts[0].font;
    EXPECT_EQ(font10.pixelSize(), static_cast<int>(MulDiv(10, dpi, 72)));
    EXPECT_EQ(texts[0].text, "Nowak");
    EXPECT_NEAR(texts[0].at.x(), ox + std::nearbyint(20 * kx), 1e-6);
    EXPECT_NEAR(texts[0].at.y(), oy + std::nearbyint(30 * ky) + Ascent(font10, dpi), 1e-6);

    EXPECT_EQ(texts[1].text, "1 234,50");
    RecordingDevice measure(dpi);
    const double w = QFontMetricsF(texts[1].font, &measure).horizontalAdvance("1 234,50");
    EXPECT_GT(w, 0);
    EXPECT_NEAR(texts[1].at.x(), ox + std::nearbyint(300 * kx - w), 1e-6) << "the amount ends at X";

    for (int i = 0; i < 3; ++i) {
        const auto& digit = texts[static_cast<size_t>(2 + i)];
        EXPECT_EQ(digit.text, QString::number(i + 1));
        EXPECT_NEAR(digit.at.x(), ox + std::nearbyint((50 + 18 * i) * kx), 1e-6) << "comb cell " << i;
        EXPECT_NEAR(digit.at.y(), oy + std::nearbyint(60 * ky) + Ascent(digit.font, dpi), 1e-6);
    }
}

TEST_F(Composition, CoefficientsScalePositionsAndBadValuesFallBack)
{
    Settings::Instance().Write(kPrintSettingsKey, "Coeff_X", 1.25);
    Settings::Instance().Write(kPrintSettingsKey, "Coeff_Y", 0.5);
    const int dpi = 300;
    const auto image = manager.LoadPageImage();
    const double kx = std::round(dpi / 25.4 * 181) / image.Width, ky = std::round(dpi / 25.4 * 267) / image.Height;
    auto texts = Print(dpi);
    ASSERT_FALSE(texts.empty());
    EXPECT_NEAR(texts[0].at.x(), std::round(dpi / 25.4 * 13) + std::nearbyint(20 * kx * 1.25), 1e-6);
    EXPECT_NEAR(texts[0].at.y(),
                std::round(dpi / 25.4 * 10) + std::nearbyint(30 * ky * 0.5) + Ascent(texts[0].font, dpi), 1e-6);

    const double fallback = ScreenDotsPerInch() / 96.0;
    for (const char* bad : {"0.05", "11", "nan", "x"}) {
        Settings::Instance().Write(kPrintSettingsKey, "Coeff_X", QString::fromLatin1(bad));
        manager.ReadCoefficients();
        EXPECT_FLOAT_EQ(manager.CoeffX, static_cast<float>(fallback)) << bad;
        EXPECT_FLOAT_EQ(manager.CoeffY, 0.5f);
    }
}

TEST_F(Composition, PreviewIsComposedAtScreenResolutionAndZoom)
{
    const int s = ScreenDotsPerInch();
    const auto image = manager.LoadPageImage();
    EXPECT_EQ(image.Width, MulDiv(MulDiv(kPageImageWidth, 2540, kPageImageUnitsPerInch), s, 2540));
    EXPECT_EQ(image.Height, MulDiv(MulDiv(kPageImageHeight, 2540, kPageImageUnitsPerInch), s, 2540));
    manager.RenderPreview(engine, 1.5);
    EXPECT_EQ(manager.PreviewImage().width(), std::lround(image.Width * 1.5));
    EXPECT_EQ(manager.PreviewImage().height(), std::lround(image.Height * 1.5));

    // On screen the coefficients alone place the field: X * CoeffX screen dots.
    Settings::Instance().Write(kPrintSettingsKey, "Coeff_X", 2.0);
    RecordingDevice device(s);
    QPainter painter(&device);
    PaintPageDrawing(painter,
                     manager.ComposePage(engine, {QPointF(0, 0), QSizeF(image.Width, image.Height), double(s), &device},
                                         image));
    painter.end();
    ASSERT_GE(device.Engine().texts.size(), 2u);
    EXPECT_NEAR(device.Engine().texts[1].at.x(), 40, 1e-6);
}

TEST_F(Composition, FieldsWithImpossibleSizesOrPositionsAreSkipped)
{
    std::vector<TPatternField> fields = {{"T_NAZWA", 20, 30, 0, 0, 0, 0, 0},
                                         {"T_NAZWA", 20, 30, 201, 0, 0, 0, 0},
                                         {"T_NAZWA", 2000000, 30, 10, 0, 0, 0, 0},
                                         {"T_NAZWA", 20, 30, 10, 0, 0, 0, 7},
                                         {"T_NAZWA", 20, 30, 10, 0, 0, 0, 0}};
    test::WriteBytes(dir.Path() + "Wzorce/JEDNA.fff", EncodeFieldFile(fields));
    manager.LoadPageFields();
    const auto texts = Print(300);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Nowak");
}

} // namespace
} // namespace taxilo

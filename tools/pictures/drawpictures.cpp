// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the main window's pictures into resources/. Run once after changing a picture:
//   g++ -std=c++20 -fPIC drawpictures.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/drawpictures
//   QT_QPA_PLATFORM=offscreen /tmp/drawpictures ../../resources
//   QT_QPA_PLATFORM=offscreen /tmp/drawpictures ../../resources 2
// The second run draws the same pictures twice as large as NAME@2x.png, which the program
// takes on screens scaled above 100%.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <functional>

namespace {
QString g_dir;
int g_scale = 1;

void Save(const char* name, int w, int h, const std::function<void(QPainter&)>& draw)
{
    // Drawn in the same coordinates at every scale: the device pixel ratio enlarges the strokes
    // and the text, not a finished bitmap.
    QImage image(w * g_scale, h * g_scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(g_scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p);
    p.end();
    image.save(g_dir + "/" + name + (g_scale == 1 ? QString() : QStringLiteral("@%1x").arg(g_scale)) + ".png");
}

QFont Font(const char* family, int px, bool bold = false)
{
    QFont f(family);
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

void Button(const char* name, int w, int h, QColor top, QColor bottom, QColor border)
{
    Save(name, w, h, [&](QPainter& p) {
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.setPen(QPen(border, 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 8, 8);
        // The gloss stays in the top band, above the label the button draws in its middle.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 38));
        p.drawRoundedRect(QRectF(2, 2, w - 4, h * 0.22), 6, 6);
    });
}

void TextButton(const char* name, const QString& text, QColor top, QColor bottom, QColor border)
{
    const int w = 170, h = 44;
    Save(name, w, h, [&](QPainter& p) {
        QLinearGradient g(0, 0, 0, h);
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.setPen(QPen(border, 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), 8, 8);
        p.setPen(Qt::white);
        p.setFont(Font("Liberation Sans", 14, true));
        p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, text);
    });
}

void Marker(const char* name, QColor fill, QColor ring, const std::function<void(QPainter&)>& symbol)
{
    Save(name, 24, 24, [&](QPainter& p) {
        QRadialGradient g(12, 9, 12);
        g.setColorAt(0, fill.lighter(130));
        g.setColorAt(1, fill);
        p.setPen(QPen(ring, 2));
        p.setBrush(g);
        p.drawEllipse(QRectF(2, 2, 20, 20));
        symbol(p);
    });
}

void Banner(const char* name, QColor a, QColor b, const QString& title, const QString& text, const QString& action)
{
    Save(name, 172, 152, [&](QPainter& p) {
        QLinearGradient g(0, 0, 172, 152);
        g.setColorAt(0, a);
        g.setColorAt(1, b);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(QRectF(0, 0, 172, 152), 10, 10);
        p.setBrush(QColor(255, 255, 255, 28));
        p.drawEllipse(QPointF(150, 18), 46, 46);
        p.setPen(Qt::white);
        p.setFont(Font("Carlito", 20, true));
        p.drawText(QRect(12, 10, 150, 56), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, title);
        p.setFont(Font("Liberation Sans", 11));
        p.drawText(QRect(12, 66, 150, 48), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        p.setBrush(QColor(255, 255, 255, 235));
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(12, 118, 148, 24), 12, 12);
        p.setPen(b.darker(120));
        p.setFont(Font("Liberation Sans", 11, true));
        p.drawText(QRect(12, 118, 148, 24), Qt::AlignCenter, action);
    });
}
// The dialogs' backgrounds: a blue title band with a light edge below it, a light body fading
// downwards and a faint ring in the lower right corner.
void DialogBackground(const char* name, int w, int h, int band, bool doubleEdge)
{
    Save(name, w, h, [&](QPainter& p) {
        QLinearGradient body(0, band, 0, h);
        body.setColorAt(0, QColor(245, 248, 251));
        body.setColorAt(1, doubleEdge ? QColor(221, 230, 239) : QColor(216, 227, 239));
        p.fillRect(QRectF(0, 0, w, h), body);
        p.save();
        p.setClipRect(QRectF(0, band, w, h - band));
        p.setPen(QPen(QColor(255, 255, 255, 70), 24));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(w - 40, h + 95), 210, 210);
        p.restore();
        QLinearGradient title(0, 0, w, 0);
        title.setColorAt(0, doubleEdge ? QColor(27, 67, 107) : QColor(28, 70, 112));
        title.setColorAt(1, doubleEdge ? QColor(43, 108, 166) : QColor(47, 106, 163));
        p.fillRect(QRectF(0, 0, w, band), title);
        if (doubleEdge) {
            p.fillRect(QRectF(0, band, w, 1), QColor(62, 120, 172));
            p.fillRect(QRectF(0, band + 1, w, 1), QColor(199, 216, 231));
        } else {
            p.fillRect(QRectF(0, band, w, 1), QColor(155, 180, 207));
        }
    });
}

// The sign of the public-benefit register beside the organisation chooser's list.
void OppLogo()
{
    Save("OPP_LOGO", 112, 48, [](QPainter& p) {
        p.setPen(QPen(QColor(192, 57, 43), 2));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(1, 1, 110, 46), 8, 8);
        p.setPen(QColor(192, 57, 43));
        p.setFont(Font("Liberation Sans", 27, true));
        p.drawText(QRect(6, 4, 50, 40), Qt::AlignCenter, QStringLiteral("1%"));
        p.setPen(QColor(84, 98, 122));
        p.setFont(Font("Liberation Sans", 11));
        p.drawText(QRect(58, 9, 52, 16), Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8("pożytek"));
        p.drawText(QRect(58, 24, 52, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("publiczny"));
    });
}
} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    g_dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    g_scale = argc > 2 && QByteArray(argv[2]) == "2" ? 2 : 1;

    Save("MENU_BG", 197, 1600, [](QPainter& p) {
        QLinearGradient g(0, 0, 197, 0);
        g.setColorAt(0, QColor(72, 72, 75));
        g.setColorAt(1, QColor(86, 86, 89));
        p.fillRect(0, 0, 197, 1600, g);
        p.setPen(QPen(QColor(255, 255, 255, 9), 1));
        for (int x = -1600; x < 197; x += 7)
            p.drawLine(x, 1600, x + 1600, 0);
        p.setPen(QPen(QColor(255, 255, 255, 40), 1));
        p.drawLine(196, 0, 196, 1600);
    });
    Save("MENU_DONE", 16, 16, [](QPainter& p) {
        p.setPen(QPen(QColor(155, 155, 156), 1.5));
        p.setBrush(QColor(100, 100, 104));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(QColor(190, 220, 170), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4.5, 8.2), QPointF(7, 10.8), QPointF(11.5, 5.2)}));
    });
    Save("MENU_CURR", 28, 24, [](QPainter& p) {
        QPainterPath arrow;
        arrow.moveTo(2, 5);
        arrow.lineTo(16, 5);
        arrow.lineTo(26, 12);
        arrow.lineTo(16, 19);
        arrow.lineTo(2, 19);
        arrow.closeSubpath();
        QLinearGradient g(0, 5, 0, 19);
        g.setColorAt(0, QColor(255, 196, 92));
        g.setColorAt(1, QColor(238, 140, 30));
        p.setPen(QPen(QColor(160, 90, 10), 1));
        p.setBrush(g);
        p.drawPath(arrow);
    });
    Save("TOP_BG", 8, 57, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 57);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(226, 230, 238));
        p.fillRect(0, 0, 8, 57, g);
        p.setPen(QColor(200, 205, 214));
        p.drawLine(0, 56, 8, 56);
    });
    Save("BANNER_TOP", 198, 44, [](QPainter& p) {
        p.setPen(Qt::NoPen);
        QLinearGradient g(0, 0, 0, 44);
        g.setColorAt(0, QColor(98, 170, 60));
        g.setColorAt(1, QColor(62, 128, 34));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(2, 4, 36, 36), 8, 8);
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(11, 22), QPointF(18, 29), QPointF(30, 14)}));
        p.setPen(QColor(58, 58, 62));
        p.setFont(Font("Carlito", 26, true));
        p.drawText(QRect(46, 0, 150, 30), Qt::AlignLeft | Qt::AlignBottom, "Taxilo");
        p.setPen(QColor(62, 128, 34));
        p.setFont(Font("Carlito", 13, true));
        p.drawText(QRect(47, 28, 150, 16), Qt::AlignLeft | Qt::AlignTop, "PIT ZA ROK 2016");
    });
    Save("BANNER_RIGHT", 160, 600, [](QPainter& p) {
        QLinearGradient g(0, 0, 0, 600);
        g.setColorAt(0, QColor(255, 255, 255));
        g.setColorAt(1, QColor(244, 246, 250));
        p.setPen(QPen(QColor(210, 214, 222), 1));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(6.5, 0.5, 146, 560), 10, 10);
        p.setPen(QColor(62, 128, 34));
        p.setFont(Font("Carlito", 21, true));
        p.drawText(QRect(18, 16, 124, 60), Qt::AlignLeft | Qt::TextWordWrap, "Rozlicz PIT krok po kroku");
        const char* tips[][2] = {
            {"Termin", "Zeznanie za rok 2016 złóż do 2 maja 2017 r."},
            {"1% podatku", "Przekaż 1% podatku wybranej organizacji pożytku publicznego."},
            {"Ulgi", "Program podpowie ulgi, z których możesz skorzystać."},
            {"Zapis", "Zapisz zeznanie w każdej chwili i wróć do niego później."},
        };
        int y = 96;
        for (const auto& tip : tips) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(98, 170, 60));
            p.drawEllipse(QRectF(18, y + 3, 10, 10));
            p.setPen(QColor(40, 44, 52));
            p.setFont(Font("Liberation Sans", 12, true));
            p.drawText(QRect(34, y, 110, 18), Qt::AlignLeft, QString::fromUtf8(tip[0]));
            p.setPen(QColor(90, 96, 106));
            p.setFont(Font("Liberation Sans", 11));
            p.drawText(QRect(34, y + 20, 112, 70), Qt::AlignLeft | Qt::TextWordWrap, QString::fromUtf8(tip[1]));
            y += 104;
        }
    });
    // Each tile's button says where it leads: a web site, or the program's own help.
    Banner("BANNER_1", QColor(98, 170, 60), QColor(50, 118, 40), QString::fromUtf8("PIT za 2016"),
           QString::fromUtf8("Objaśnienia Ministerstwa Finansów."), QString::fromUtf8("finanse.mf.gov.pl ›"));
    Banner("BANNER_2", QColor(66, 130, 200), QColor(36, 86, 160), QString::fromUtf8("1% podatku"),
           QString::fromUtf8("Przekaż 1% organizacji pożytku publicznego."), QString::fromUtf8("Jak to działa?"));
    Banner("BANNER_3", QColor(232, 132, 46), QColor(196, 88, 30), QString::fromUtf8("e-Deklaracje"),
           QString::fromUtf8("Wyślij zeznanie przez internet programem e-Deklaracje."),
           QString::fromUtf8("e-deklaracje.gov.pl ›"));

    Button("BTN_NEXT", 100, 46, QColor(120, 190, 78), QColor(62, 134, 36), QColor(46, 104, 26));
    Button("BTN_NEXT_OVER", 100, 46, QColor(140, 208, 96), QColor(76, 150, 46), QColor(46, 104, 26));
    Button("BTN_NEXT_DOWN", 100, 46, QColor(62, 134, 36), QColor(96, 166, 60), QColor(46, 104, 26));
    Button("BTN_BACK", 100, 46, QColor(138, 142, 150), QColor(92, 96, 104), QColor(70, 72, 78));
    Button("BTN_BACK_OVER", 100, 46, QColor(156, 160, 168), QColor(106, 110, 118), QColor(70, 72, 78));
    Button("BTN_BACK_DOWN", 100, 46, QColor(92, 96, 104), QColor(128, 132, 140), QColor(70, 72, 78));
    Button("BTN_PREVIEW", 241, 46, QColor(92, 150, 214), QColor(44, 98, 172), QColor(34, 76, 136));
    Button("BTN_PREVIEW_OVER", 241, 46, QColor(112, 168, 228), QColor(56, 112, 186), QColor(34, 76, 136));
    Button("BTN_PREVIEW_DOWN", 241, 46, QColor(44, 98, 172), QColor(80, 138, 204), QColor(34, 76, 136));
    Button("BTN_DISABLED", 100, 46, QColor(200, 202, 206), QColor(176, 178, 184), QColor(160, 162, 168));

    auto check = [](QPainter& p) {
        p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(7.5, 12.5), QPointF(10.8, 15.8), QPointF(16.5, 8.5)}));
    };
    auto half = [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPie(QRectF(7, 7, 10, 10), 90 * 16, 180 * 16);
        p.setPen(QPen(Qt::white, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(7, 7, 10, 10));
    };
    auto flag = [](QPainter& p) {
        p.setPen(QPen(Qt::white, 1.6));
        p.drawLine(QPointF(9, 6.5), QPointF(9, 17.5));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(9.5, 7), QPointF(17, 9.5), QPointF(9.5, 12)}));
    };
    Marker("GAUGE_1", QColor(98, 170, 60), QColor(46, 104, 26), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(9.5, 7.5), QPointF(16.5, 12), QPointF(9.5, 16.5)}));
    });
    Marker("GAUGE_2_OFF", QColor(178, 182, 190), QColor(140, 144, 152), half);
    Marker("GAUGE_2_ON", QColor(98, 170, 60), QColor(46, 104, 26), half);
    Marker("GAUGE_3_OFF", QColor(178, 182, 190), QColor(140, 144, 152), flag);
    Marker("GAUGE_3_ON", QColor(238, 160, 40), QColor(176, 104, 14), check);

    const QColor green1(120, 190, 78), green2(62, 134, 36), greenB(46, 104, 26);
    const QColor grey1(150, 154, 162), grey2(102, 106, 114), greyB(80, 82, 88);
    TextButton("YES_BTN_NORMAL", QString::fromUtf8("Tak, zapisz"), green1, green2, greenB);
    TextButton("YES_BTN_OVER", QString::fromUtf8("Tak, zapisz"), green1.lighter(112), green2.lighter(112), greenB);
    TextButton("NO_BTN_NORMAL", QString::fromUtf8("Nie zapisuj"), grey1, grey2, greyB);
    TextButton("NO_BTN_OVER", QString::fromUtf8("Nie zapisuj"), grey1.lighter(112), grey2.lighter(112), greyB);
    TextButton("YES_CLOSE_NORMAL", QString::fromUtf8("Zapisz i zakończ"), green1, green2, greenB);
    TextButton("YES_CLOSE_OVER", QString::fromUtf8("Zapisz i zakończ"), green1.lighter(112), green2.lighter(112), greenB);
    TextButton("NO_CLOSE_NORMAL", QString::fromUtf8("Zakończ bez zapisu"), grey1, grey2, greyB);
    TextButton("NO_CLOSE_OVER", QString::fromUtf8("Zakończ bez zapisu"), grey1.lighter(112), grey2.lighter(112), greyB);

    DialogBackground("SUMATOR", 440, 446, 46, false);
    DialogBackground("OPP_BG", 645, 500, 44, false);
    DialogBackground("EDIT_US_BG", 440, 250, 44, false);
    DialogBackground("EDEKLARACJE_BG", 697, 623, 65, true);
    OppLogo();
    return 0;
}

// The heavy handlers, each run on a real window of the real toolkit, beside two yardsticks:
// the same calls made one by one through QPainter or QImage (what a plain Qt port costs),
// and one pass over every visible pixel of the picture box (the physical floor). Then a full
// repaint of every tool window at 100 %, 200 % and 300 %, and of the RGB mixer after a step of a bar.
#include "common/ColourValue.h"
#include "desktop/Application.h"
#include "desktop/Colours.h"
#include "desktop/DesktopFace.h"
#include "desktop/QtRasteriser.h"
#include "desktop/WindowWidget.h"
#include "forms/Form1/Form1.h"
#include "forms/Form2/Form2.h"
#include "forms/Form3/Form3.h"
#include "forms/Form4/Form4.h"
#include "forms/Form5/Form5.h"
#include "forms/Form6/Form6.h"
#include "toolkit/picture/StoredPicture.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using namespace palettra;
using common::ColourValue;
using common::Int16;
using desktop::DesktopFace;
using desktop::ToQColor;
using toolkit::CommandButton;
using toolkit::PictureBox;
using toolkit::ScrollBar;

namespace {

// An image of the size of the window's Picture1 inner area.
template <typename Form> QImage InnerImage()
{
    DesktopFace face;
    Form form(face);
    form.Show();
    const toolkit::PixelBuffer& inner = form.template Find<PictureBox>("Picture1").Model().Image();
    return QImage(inner.Width(), inner.Height(), QImage::Format_RGB32);
}

// ---- the real handlers ----

void OverlapChange(benchmark::State& state, Int16 boundary)
{
    DesktopFace face;
    Form3 form(face);
    form.Show();
    form.Find<ScrollBar>("VScroll1").SetValue(boundary);
    auto& overlap = form.Find<ScrollBar>("HScroll7");
    for (auto _ : state) {
        state.PauseTiming();
        overlap.SetValue(99);
        state.ResumeTiming();
        overlap.SetValue(100); // DrawOverlap with p = 100, as a step of the overlap bar runs it
    }
}

void GradientChange(benchmark::State& state)
{
    DesktopFace face;
    Form4 form(face);
    form.Show();
    auto& red = form.Find<ScrollBar>("HScroll1");
    Int16 value = 0;
    for (auto _ : state) {
        value = static_cast<Int16>(1 - value);
        red.SetValue(value); // recolours the swatch and repaints the canvas
    }
}

void PhotoScan(benchmark::State& state)
{
    DesktopFace face;
    Form6 form(face);
    form.Show();
    auto& scan = form.Find<CommandButton>("Command1");
    for (auto _ : state)
        scan.SetValue(true);
}

void PhotoColourChange(benchmark::State& state)
{
    DesktopFace face;
    Form6 form(face);
    form.Show();
    form.Find<CommandButton>("Command1").SetValue(true);
    auto& change = form.Find<CommandButton>("Command2");
    for (auto _ : state)
        change.SetValue(true);
}

// ---- what the same calls cost through QPainter and QImage, one by one ----

struct OverlapColours {
    double a[3] { 0, 0, 0 };
    double b[3] { 250, 250, 250 };
    double m[3] { 125, 125, 125 };
};

ColourValue Ramp(const double from[3], const double mid[3], double h, double offset)
{
    Int16 v[3];
    for (int c = 0; c < 3; ++c)
        v[c] = common::ToInt16(from[c] + ((mid[c] - from[c]) / h) * offset);
    return common::RGB(v[0], v[1], v[2]);
}

void ReferenceOverlap(benchmark::State& state, int s)
{
    QImage image = InnerImage<Form3>();
    const OverlapColours colours;
    const int h = 5000;
    const int top = s - h;
    const int bottom = s + h;
    for (auto _ : state) {
        QPainter painter(&image);
        painter.scale(image.width() / 1.0, image.height() / 10000.0);
        auto row = [&](int y, ColourValue colour) {
            painter.setPen(QPen(ToQColor(colour), 0));
            painter.drawLine(QLineF(0, y, 1, y));
        };
        for (int y = 0; y <= top; ++y)
            row(y, 0);
        for (int y = top; y <= s; ++y)
            row(y, Ramp(colours.a, colours.m, h, y - top));
        for (int y = s; y <= bottom; ++y)
            row(y, Ramp(colours.b, colours.m, h, bottom - y));
        for (int y = bottom; y <= 10000; ++y)
            row(y, 0xFFFFFF);
    }
}

void ReferenceGradient(benchmark::State& state)
{
    QImage image = InnerImage<Form4>();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setWindow(-5000, 5000, 10000, -10000);
        painter.setViewport(0, 0, image.width(), image.height());
        painter.setPen(QPen(ToQColor(common::RGB(250, 250, 250)), 0));
        painter.drawPoint(QPointF(0, 0));
        for (int i = 1; i <= 5000; ++i) {
            const double t = i / 5000.0;
            const Int16 red = common::ToInt16(250 + (10 - 250) * t);
            const Int16 other = common::ToInt16(250 + (0 - 250) * t);
            painter.setPen(QPen(ToQColor(common::RGB(red, other, other)), 0));
            const float f = static_cast<float>(i);
            painter.drawLine(QLineF(f, f, f, -f));
            painter.drawLine(QLineF(f, -f, -f, -f));
            painter.drawLine(QLineF(-f, -f, -f, f));
            painter.drawLine(QLineF(-f, f, f, f));
        }
    }
}

// The photo as the window shows it, and the pixel that a sample point of the scan falls on. The
// pixels are the ones the program itself carries: the desktop has no file of the photo any more,
// and an empty image would leave the yardsticks nothing to read.
struct Photo {
    Photo()
        : image(desktop::ImageView(toolkit::StoredPicture("apparatus.jpg")).copy(0, 0, 280, 496))
    {
        if (image.width() != 280 || image.height() != 496)
            throw std::runtime_error("the stored photo is missing");
    }
    bool Pixel(int x, int y, int& column, int& row) const
    {
        column = static_cast<int>(std::floor(x * (280.0 / 426.0)));
        row = static_cast<int>(std::floor(y * (496.0 / 750.0)));
        return column < image.width() && row < image.height();
    }
    QImage image;
    std::vector<std::uint8_t> mask = std::vector<std::uint8_t>(427 * 751);
};

constexpr QRgb Key = 0xFF0000FE;

void ReferencePhotoScan(benchmark::State& state)
{
    Photo photo;
    for (auto _ : state) {
        for (int x = 0; x <= 426; ++x)
            for (int y = 0; y <= 750; ++y) {
                int column, row;
                photo.mask[static_cast<std::size_t>(x * 751 + y)]
                    = photo.Pixel(x, y, column, row) && photo.image.pixel(column, row) == Key;
            }
        benchmark::DoNotOptimize(photo.mask.data());
    }
}

void ReferencePhotoColourChange(benchmark::State& state)
{
    Photo photo;
    for (int x = 0; x <= 426; ++x)
        for (int y = 0; y <= 750; ++y) {
            int column, row;
            photo.mask[static_cast<std::size_t>(x * 751 + y)]
                = photo.Pixel(x, y, column, row) && photo.image.pixel(column, row) == Key;
        }
    for (auto _ : state) {
        for (int x = 0; x <= 426; ++x)
            for (int y = 0; y <= 750; ++y) {
                int column, row;
                if (photo.mask[static_cast<std::size_t>(x * 751 + y)] == 1 && photo.Pixel(x, y, column, row))
                    photo.image.setPixel(column, row, qRgb(250, 0, 0));
            }
        benchmark::DoNotOptimize(photo.image.constBits());
    }
}

// ---- the floor: every visible pixel once ----

template <typename Form> void LimitWrite(benchmark::State& state)
{
    QImage image = InnerImage<Form>();
    const int width = image.width();
    const int height = image.height();
    QRgb* const pixels = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    QRgb colour = 0;
    for (auto _ : state) {
        colour ^= 0x00FFFFFF;
        for (int y = 0; y < height; ++y)
            for (QRgb *pixel = pixels + y * stride, *end = pixel + width; pixel != end; ++pixel)
                *pixel = colour;
        benchmark::DoNotOptimize(pixels);
        benchmark::ClobberMemory();
    }
}

void LimitRead(benchmark::State& state)
{
    const Photo photo;
    const int width = photo.image.width();
    const int height = photo.image.height();
    const QRgb* const pixels = reinterpret_cast<const QRgb*>(photo.image.constBits());
    const qsizetype stride = photo.image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (auto _ : state) {
        int keys = 0;
        for (int y = 0; y < height; ++y)
            for (const QRgb *pixel = pixels + y * stride, *end = pixel + width; pixel != end; ++pixel)
                keys += *pixel == Key;
        benchmark::DoNotOptimize(keys);
    }
}

// ---- a whole window painted at a zoom step ----

// An image of the window's size at the screen's resolution.
QImage ScreenImage(const QWidget& window)
{
    const qreal ratio = window.devicePixelRatioF();
    QImage image(window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

// Everything the screen would get from a full repaint of the window, at the screen's resolution.
template <typename Form> void Repaint(benchmark::State& state, double step)
{
    DesktopFace face;
    Form form(face);
    form.Show();
    form.ZoomTo(step);
    QWidget& window = static_cast<desktop::WindowWidget&>(form.Peer());
    QImage image = ScreenImage(window);
    for (auto _ : state) {
        window.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

// A step of the mixer's red bar and the repaint that follows: two of its large captions change, so
// above 64 device pixels their pictures are drawn afresh, and the four others are not.
void StepAndRepaint(benchmark::State& state, double step)
{
    DesktopFace face;
    Form2 form(face);
    form.Show();
    form.ZoomTo(step);
    QWidget& window = static_cast<desktop::WindowWidget&>(form.Peer());
    QImage image = ScreenImage(window);
    auto& red = form.Find<ScrollBar>("HScroll1");
    Int16 value = 0;
    for (auto _ : state) {
        value = static_cast<Int16>(1 - value);
        red.SetValue(value);
        window.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

struct RepaintCase {
    std::string name;
    std::function<void(benchmark::State&, double)> run;
};

const std::vector<double> RepaintSteps { 1, 2, 3 };

std::vector<RepaintCase> RepaintCases()
{
    return { { "Form1", Repaint<Form1> }, { "Form2", Repaint<Form2> }, { "Form3", Repaint<Form3> },
        { "Form4", Repaint<Form4> }, { "Form5", Repaint<Form5> }, { "Form6", Repaint<Form6> },
        { "Form2Step", StepAndRepaint } };
}

std::string RepaintName(const RepaintCase& c, double step)
{
    return "Repaint/" + c.name + "/" + std::to_string(static_cast<int>(step * 100));
}

struct Case {
    std::string name;
    std::function<void(benchmark::State&)> run;
    std::function<void(benchmark::State&)> reference;
    std::function<void(benchmark::State&)> limit;
};

std::vector<Case> Cases()
{
    return {
        { "DrawOverlap/centre", [](auto& s) { OverlapChange(s, 5000); }, [](auto& s) { ReferenceOverlap(s, 5000); },
            LimitWrite<Form3> },
        { "DrawOverlap/edge", [](auto& s) { OverlapChange(s, 0); }, [](auto& s) { ReferenceOverlap(s, 0); },
            LimitWrite<Form3> },
        { "DrawGradient", GradientChange, ReferenceGradient, LimitWrite<Form4> },
        { "PhotoScan", PhotoScan, ReferencePhotoScan, LimitRead },
        { "PhotoColourChange", PhotoColourChange, ReferencePhotoColourChange, LimitWrite<Form6> },
    };
}

// Collects the medians while the console shows the usual output, then prints the table.
class MedianTable : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }

    void PrintTable(const std::vector<Case>& cases) const
    {
        std::printf("\n%-20s %12s %14s %12s %10s %10s\n", "case (median, us)", "Palettra", "Reference", "Limit",
            "ref/ours", "ours/lim");
        for (const Case& c : cases) {
            const double ours = Median(c.name);
            const double reference = Median("Reference_" + c.name);
            const double limit = Median("Limit_" + c.name);
            std::printf("%-20s %12.1f %14.1f %12.1f %9.1fx %9.1fx\n", c.name.c_str(), ours, reference, limit,
                reference / ours, ours / limit);
        }
    }

    void PrintRepaintTable(const std::vector<RepaintCase>& cases) const
    {
        std::printf("\n%-20s %12s %12s %12s %10s\n", "repaint (median, us)", "100 %", "200 %", "300 %", "300/100");
        for (const RepaintCase& c : cases) {
            std::printf("%-20s", c.name.c_str());
            for (const double step : RepaintSteps)
                std::printf(" %12.1f", Median(RepaintName(c, step)));
            std::printf(" %9.1fx\n", Median(RepaintName(c, 3)) / Median(RepaintName(c, 1)));
        }
    }

private:
    double Median(const std::string& name) const
    {
        const auto found = medians_.find(name);
        return found == medians_.end() ? NAN : found->second;
    }
    std::map<std::string, double> medians_;
};

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    desktop::ConfigureApplication(application);
    benchmark::Initialize(&argc, argv);
    const std::vector<Case> cases = Cases();
    for (const Case& c : cases)
        for (const auto& [prefix, body] :
            { std::pair { "", c.run }, { "Reference_", c.reference }, { "Limit_", c.limit } })
            benchmark::RegisterBenchmark((prefix + c.name).c_str(), body)
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(10)
                ->ReportAggregatesOnly(true);
    const std::vector<RepaintCase> repaints = RepaintCases();
    for (const RepaintCase& c : repaints)
        for (const double step : RepaintSteps)
            benchmark::RegisterBenchmark(RepaintName(c, step).c_str(), [c, step](auto& s) { c.run(s, step); })
                ->Unit(benchmark::kMicrosecond)
                ->Repetitions(10)
                ->ReportAggregatesOnly(true);
    MedianTable table;
    benchmark::RunSpecifiedBenchmarks(&table);
    table.PrintTable(cases);
    table.PrintRepaintTable(repaints);
    benchmark::Shutdown();
    return 0;
}

#include "analysis/ui/export_pictures.h"

#include "analysis/ui/analysis_charts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#include <algorithm>
#include <memory>
#include <numeric>

namespace lendora::analysis {

using namespace Qt::StringLiterals;

namespace {

// A comparison chart laid out off screen at a size in logical pixels, drawn
// by its scene into any painter: the same chart the window shows.
class OffscreenChart {
public:
    OffscreenChart(const ChartPicture& picture, QSizeF layoutSize)
        : OffscreenChart(comparisonView(picture), layoutSize) {}

    // A chart already drawn into its view.
    OffscreenChart(std::unique_ptr<QChartView> view, QSizeF layoutSize)
        : view_(std::move(view))
        , size_(layoutSize) {
        view_->scene()->setSceneRect(QRectF(QPointF(), size_));
        QChart* chart = view_->chart();
        chart->setGeometry(QRectF(QPointF(), size_));
        if (QGraphicsLayout* layout = chart->layout())
            layout->activate();
    }

    void paint(QPainter& painter, const QRectF& target) const {
        view_->scene()->render(&painter, target, QRectF(QPointF(), size_), Qt::IgnoreAspectRatio);
    }

private:
    static std::unique_ptr<QChartView> comparisonView(const ChartPicture& picture) {
        std::unique_ptr<QChartView> view(newComparisonChart(u"exportChart"_s, picture.title));
        drawComparison(view.get(), picture.data);
        return view;
    }

    std::unique_ptr<QChartView> view_;
    QSizeF size_;
};

// Large pictures are laid out as a chart about 1000 pixels wide and scaled
// up, so that labels and legend grow with the picture.
QSizeF layoutSize(QSizeF size) {
    const double scale = std::max(1.0, std::min(size.width() / 1000.0, size.height() / 560.0));
    return size / scale;
}

bool validSize(QSize size) {
    return size.width() >= smallestPictureSide && size.height() >= smallestPictureSide &&
           size.width() <= largestPictureSide && size.height() <= largestPictureSide;
}

// Lays out and draws the report on the pages of a PDF writer. Lengths are
// device units of the writer; sizes are given in points.
class ReportPages {
public:
    ReportPages(QPdfWriter& writer, QString footer)
        : writer_(writer)
        , footer_(std::move(footer))
        , dpi_(writer.resolution()) {}

    bool begin() {
        if (!painter_.begin(&writer_))
            return false;
        painter_.setRenderHint(QPainter::Antialiasing);
        page_ = QRectF(0, 0, writer_.width(), writer_.height() - pt(20));
        return true;
    }

    bool end() {
        drawFooter();
        return painter_.end();
    }

    void newPage() {
        drawFooter();
        writer_.newPage();
        ++pageNumber_;
        y_ = 0;
    }

    void title(const QString& text) {
        const QFont f = font(18, true);
        const double height = QFontMetricsF(f, &writer_).height();
        painter_.setFont(f);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, y_, page_.width(), height), Qt::AlignLeft | Qt::AlignVCenter,
                          text);
        y_ += height + pt(10);
    }

    void facts(const std::vector<std::pair<QString, QString>>& lines) {
        const QFont label = font(10, true);
        const QFont value = font(10);
        const double height = QFontMetricsF(value, &writer_).height() * 1.35;
        double labelWidth = 0;
        for (const auto& line : lines)
            labelWidth =
                std::max(labelWidth, QFontMetricsF(label, &writer_).horizontalAdvance(line.first));
        labelWidth += pt(12);
        for (const auto& line : lines) {
            ensure(height);
            painter_.setFont(label);
            painter_.drawText(QRectF(0, y_, labelWidth, height), Qt::AlignLeft | Qt::AlignVCenter,
                              line.first);
            painter_.setFont(value);
            painter_.drawText(QRectF(labelWidth, y_, page_.width() - labelWidth, height),
                              Qt::AlignLeft | Qt::AlignVCenter, line.second);
            y_ += height;
        }
        y_ += pt(12);
    }

    void table(const ReportTable& table);
    void chart(const ChartPicture& chart);

private:
    double pt(double points) const { return points * dpi_ / 72.0; }

    QFont font(double points, bool bold = false) const {
        QFont f = QGuiApplication::font();
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }

    double remaining() const { return page_.bottom() - y_; }

    // A new page unless that much room is left.
    void ensure(double height) {
        if (y_ > 0 && height > remaining())
            newPage();
    }

    void drawFooter() {
        const QFont f = font(8);
        painter_.setFont(f);
        painter_.setPen(QColor(0x66, 0x66, 0x66));
        const QRectF foot(0, writer_.height() - pt(12), page_.width(), pt(12));
        painter_.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, footer_);
        painter_.drawText(
            foot, Qt::AlignRight | Qt::AlignVCenter,
            QCoreApplication::translate("AnalysisReport", "Page %1").arg(pageNumber_));
        painter_.setPen(Qt::black);
    }

    QPdfWriter& writer_;
    QPainter painter_;
    QString footer_;
    double dpi_;
    QRectF page_;
    double y_ = 0;
    int pageNumber_ = 1;
};

// Column widths of a table at one font size.
struct TableLayout {
    QFont body;
    QFont bold;
    std::vector<double> widths;
    double headingHeight = 0;
    double rowHeight = 0;
    bool fits = false;
};

bool isNumber(const QString& text) {
    // A number, or an interval of two ("145–180").
    static const QRegularExpression number(u"^-?\\d+(\\.\\d*)?(\u2013-?\\d+(\\.\\d*)?)?$"_s);
    return number.match(text).hasMatch();
}

void ReportPages::table(const ReportTable& table) {
    const int columns = int(table.headings.size());
    if (columns == 0)
        return;
    const double padX = pt(4);
    const double padY = pt(2.5);
    // Text laid out in exactly its own width may wrap or be elided by
    // rounding: every column gets a point more.
    const double slack = pt(1);
    const double width = page_.width();
    const auto emphasised = [&](size_t row) {
        return std::find(table.emphasised.begin(), table.emphasised.end(), int(row)) !=
               table.emphasised.end();
    };

    // The largest font from 9 down to 6 points at which the columns fit
    // the page with their headings wrapped at blanks.
    TableLayout layout;
    for (double size = 9; size >= 6; size -= 0.5) {
        layout.body = font(size);
        layout.bold = font(size, true);
        const QFontMetricsF body(layout.body, &writer_);
        const QFontMetricsF bold(layout.bold, &writer_);
        std::vector<double> least(size_t(columns), 0.0);
        std::vector<double> natural(size_t(columns), 0.0);
        for (int c = 0; c < columns; ++c) {
            double cells = 0;
            for (size_t r = 0; r < table.rows.size(); ++r)
                cells = std::max(
                    cells, (emphasised(r) ? bold : body).horizontalAdvance(table.rows[r].value(c)));
            double word = 0;
            for (const QString& part : table.headings[c].split(u' ', Qt::SkipEmptyParts))
                word = std::max(word, bold.horizontalAdvance(part));
            least[size_t(c)] = std::max(cells, word) + 2 * padX + slack;
            natural[size_t(c)] =
                std::max(cells, bold.horizontalAdvance(table.headings[c])) + 2 * padX + slack;
        }
        const double leastSum = std::accumulate(least.begin(), least.end(), 0.0);
        const double naturalSum = std::accumulate(natural.begin(), natural.end(), 0.0);
        layout.fits = leastSum <= width;
        if (naturalSum <= width) {
            layout.widths = natural;
        } else if (layout.fits) {
            // Share the room left among the columns whose headings wrap.
            const double share = (width - leastSum) / (naturalSum - leastSum);
            layout.widths = least;
            for (int c = 0; c < columns; ++c)
                layout.widths[size_t(c)] += (natural[size_t(c)] - least[size_t(c)]) * share;
        } else {
            // Still too wide at the smallest size: narrower columns, texts elided.
            layout.widths = least;
            for (double& w : layout.widths)
                w *= width / leastSum;
        }
        layout.rowHeight = body.height() + 2 * padY;
        layout.headingHeight = layout.rowHeight;
        for (int c = 0; c < columns; ++c) {
            const QRectF room(0, 0, std::max(layout.widths[size_t(c)] - 2 * padX, 1.0), 1e6);
            layout.headingHeight = std::max(
                layout.headingHeight,
                bold.boundingRect(room, Qt::TextWordWrap, table.headings[c]).height() + 2 * padY);
        }
        if (layout.fits)
            break;
    }

    const QFont titleFont = font(12, true);
    const double titleHeight = QFontMetricsF(titleFont, &writer_).height() + pt(4);
    const QColor rule(0xb0, 0xb4, 0xba);
    const auto drawTitle = [&](const QString& text) {
        painter_.setFont(titleFont);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, y_, width, titleHeight), Qt::AlignLeft | Qt::AlignTop, text);
        y_ += titleHeight;
    };
    const auto drawCells = [&](const QStringList& cells, double height, const QFont& f,
                               const QColor& fill, bool wrap) {
        painter_.setFont(f);
        double x = 0;
        for (int c = 0; c < columns; ++c) {
            const QRectF cell(x, y_, layout.widths[size_t(c)], height);
            if (fill.isValid())
                painter_.fillRect(cell, fill);
            painter_.setPen(QPen(rule, pt(0.5)));
            painter_.drawRect(cell);
            painter_.setPen(Qt::black);
            const QRectF inner = cell.adjusted(padX, padY, -padX, -padY);
            const QString text = cells.value(c);
            if (wrap) {
                painter_.drawText(inner, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
            } else {
                const Qt::Alignment align =
                    (isNumber(text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
                const QString shown =
                    QFontMetricsF(f, &writer_).elidedText(text, Qt::ElideRight, inner.width());
                painter_.drawText(inner, align, shown);
            }
            x += layout.widths[size_t(c)];
        }
        y_ += height;
    };
    const QColor headingFill(0xe4, 0xe8, 0xee);
    const QColor stripe(0xf6, 0xf7, 0xf9);
    const QColor totalsFill(0xec, 0xef, 0xf3);

    ensure(titleHeight + layout.headingHeight + 2 * layout.rowHeight);
    drawTitle(table.title);
    drawCells(table.headings, layout.headingHeight, layout.bold, headingFill, true);
    for (size_t r = 0; r < table.rows.size(); ++r) {
        if (layout.rowHeight > remaining()) {
            newPage();
            drawTitle(
                QCoreApplication::translate("AnalysisReport", "%1 (continued)").arg(table.title));
            drawCells(table.headings, layout.headingHeight, layout.bold, headingFill, true);
        }
        const bool strong = emphasised(r);
        drawCells(table.rows[r], layout.rowHeight, strong ? layout.bold : layout.body,
                  strong ? totalsFill : (r % 2 ? stripe : QColor()), false);
    }
    y_ += pt(14);
}

void ReportPages::chart(const ChartPicture& chart) {
    if (chart.data.rowLabels.isEmpty())
        return;
    // As wide as the page, at most 9 by 16 high, at least a third of a page.
    const double width = page_.width();
    const double wanted = width * 9 / 16;
    const double least = page_.height() / 3;
    if (remaining() < std::min(wanted, least))
        newPage();
    const double height = std::min(wanted, remaining());
    const QRectF target(0, y_, width, height);
    OffscreenChart(chart, QSizeF(1000, 1000 * height / width)).paint(painter_, target);
    y_ += height + pt(12);
}

} // namespace

namespace {

QByteArray png(const OffscreenChart& chart, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        chart.paint(painter, QRectF(image.rect()));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QByteArray svg(const OffscreenChart& chart, QSize size, const QString& title,
               const QString& description) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    // At 96 dots per inch the drawing's width and height are the chosen
    // pixels for browsers and drawing programs.
    svg.setResolution(96);
    svg.setViewBox(QRect(QPoint(), size));
    svg.setTitle(title);
    svg.setDescription(description);
    QPainter painter;
    if (!painter.begin(&svg))
        return {};
    chart.paint(painter, QRectF(QPoint(), size));
    if (!painter.end())
        return {};
    return bytes;
}

} // namespace

QByteArray chartPng(const ChartPicture& chart, QSize size) {
    if (!validSize(size))
        return {};
    return png(OffscreenChart(chart, layoutSize(QSizeF(size))), size);
}

QByteArray chartSvg(const ChartPicture& chart, QSize size) {
    if (!validSize(size))
        return {};
    return svg(OffscreenChart(chart, layoutSize(QSizeF(size))), size, chart.title,
               u"Comparison chart made by Lendora"_s);
}

QByteArray viewPicture(std::unique_ptr<QChartView> view, QSize size, bool asSvg) {
    if (!validSize(size))
        return {};
    const QString title = view->chart()->title();
    const OffscreenChart chart(std::move(view), layoutSize(QSizeF(size)));
    return asSvg ? svg(chart, size, title, u"Chart made by Lendora"_s) : png(chart, size);
}

QByteArray reportPdf(const AnalysisReport& report, const ChartPicture& features,
                     const ChartPicture& segments) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return {};
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        writer.setTitle(report.title);
        writer.setCreator(u"Lendora"_s);

        ReportPages pages(writer, report.footer);
        if (!pages.begin())
            return {};
        pages.title(report.title);
        pages.facts(report.facts);
        pages.table(report.base);
        pages.table(report.strategies);
        pages.newPage();
        pages.table(report.features);
        pages.table(report.featureIntervals);
        pages.chart(features);
        pages.newPage();
        pages.table(report.segments);
        pages.table(report.segmentIntervals);
        pages.chart(segments);
        if (!report.businessCase.headings.isEmpty()) {
            pages.newPage();
            pages.table(report.businessCaseInputs);
            pages.table(report.businessCase);
        }
        if (!pages.end())
            return {};
    }
    return bytes;
}

} // namespace lendora::analysis

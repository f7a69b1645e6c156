#include "Figures.h"

#include <QPainter>
#include <algorithm>

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Figure::score() const
{
    return hasFloor() ? median(program) / median(floor) : median(program);
}

namespace {

QString cell(const QList<double> &values, int decimals)
{
    if (values.isEmpty())
        return QStringLiteral("—");
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return QStringLiteral("%1 (%2–%3)")
        .arg(median(values), 0, 'f', decimals)
        .arg(*low, 0, 'f', decimals)
        .arg(*high, 0, 'f', decimals);
}

QString scoreText(const Figure &figure)
{
    return figure.hasFloor() ? QStringLiteral("%1×").arg(figure.score(), 0, 'f', 2)
                             : QStringLiteral("%1 %2").arg(figure.score(), 0, 'f', figure.decimals).arg(figure.unit);
}

QString goalText(const Figure &figure)
{
    return figure.hasFloor() ? QStringLiteral("≤ %1×").arg(figure.goal, 0, 'f', 2)
                             : QStringLiteral("≤ %1 %2").arg(figure.goal).arg(figure.unit);
}

} // namespace

QString figureTable(const QList<Figure> &figures, int runs)
{
    QString text = QStringLiteral("| figure | controller | floor | result | goal |\n|---|---|---|---|---|\n");
    for (const Figure &figure : figures)
        text += QStringLiteral("| %1 (%2) | %3 | %4 | %5 | %6 %7 |\n")
                    .arg(figure.name, figure.unit, cell(figure.program, figure.decimals),
                         cell(figure.floor, figure.decimals), scoreText(figure), goalText(figure),
                         figure.met() ? QStringLiteral("met") : QStringLiteral("not met"));
    return text + QStringLiteral("\nMedian (lowest–highest) of %1 run(s) each.\n").arg(runs);
}

QImage figurePlot(const QList<Figure> &figures)
{
    const int width = 120 * int(figures.size()), height = 360, base = 300;
    const double scale = 200; // pixels for the goal
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < figures.size(); ++i) {
        const Figure &figure = figures[i];
        const double share = figure.goal > 0 ? std::min(figure.score() / figure.goal, 1.4) : 0;
        const QRectF bar(i * 120 + 40, base - scale * share, 40, scale * share);
        painter.fillRect(bar, figure.met() ? QColor(0x2e, 0x7d, 0x32) : QColor(0xc6, 0x28, 0x28));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(bar.left() - 30, bar.top() - 20, 100, 18), Qt::AlignHCenter, scoreText(figure));
        painter.drawText(QRectF(i * 120 + 2, base + 5, 116, 50), Qt::AlignHCenter | Qt::TextWordWrap, figure.name);
    }
    painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
    painter.drawLine(QPointF(0, base - scale), QPointF(width, base - scale));
    painter.drawText(QRectF(0, 5, width, 20), Qt::AlignHCenter,
                     QStringLiteral("each figure as a share of its goal (dashed)"));
    return image;
}

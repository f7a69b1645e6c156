#pragma once
#include <QImage>
#include <QList>
#include <QString>

// One measured figure: the controller's values over the runs and, for a
// figure measured against a floor, the floor's. Without a floor the goal is
// an absolute bound on the controller's median (below it when lowerIsBetter).
struct Figure {
    QString name;
    QString unit;
    QList<double> program;
    QList<double> floor;
    double goal = 0;
    int decimals = 1;

    bool hasFloor() const { return !floor.isEmpty(); }
    // the median against the floor's, or the median alone
    double score() const;
    bool met() const { return score() <= goal; }
};

double median(QList<double> values);

// A Markdown table of the figures: median (lowest–highest) of each.
QString figureTable(const QList<Figure> &figures, int runs);

// Each figure's score as a share of its goal, the goal a dashed line.
QImage figurePlot(const QList<Figure> &figures);

// SPDX-FileCopyrightText: 2026 The Brontel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The light paths of a run: the incident beam, the reflected edges and, by angle case, the
// refracted edges or the grazing ray.

#include "DrawCallChecks.h"
#include "LightPaths.h"
#include "RecordingSurface.h"
#include "RunSettings.h"
#include "SettingsOfKeys.h"

#include <QLineF>
#include <QList>
#include <QTest>

#include <cmath>

namespace {
constexpr int beamCalls = 2 * 1001;
constexpr int firstReflectedEdge = beamCalls + 1; // after DrawWidth 2

RunSettings settings(double n, double alpha, const char* angleCase, const char* substance)
{
    return settingsOfKeys(n, alpha, angleCase, substance, "750", 750);
}

double length(const DrawCall& c)
{
    return std::hypot(c.x2 - c.x1, c.y2 - c.y1);
}
} // namespace

class TestLightPaths : public QObject
{
    Q_OBJECT

private slots:
    void incidentBeam_data();
    void incidentBeam();
    void reflectedEdges_data();
    void reflectedEdges();
    void afterReflection_data();
    void afterReflection();
};

void TestLightPaths::incidentBeam_data()
{
    QTest::addColumn<double>("alpha");
    QTest::addColumn<QPointF>("firstEnd");
    QTest::addColumn<QPointF>("lastEnd");
    QTest::addColumn<QPointF>("shortLineEnd");
    QTest::newRow("35 degrees") << 35.0 << QPointF(2813, 5410) << QPointF(3485, 5879)
                                << QPointF(3335, 5336);
    // Straight up: no extra path to any surface point, so every ray is 500 long, straight down.
    QTest::newRow("0 degrees") << 0.0 << QPointF(3100, 5500) << QPointF(4100, 5500)
                               << QPointF(3100, 5500);
}

void TestLightPaths::incidentBeam()
{
    QFETCH(double, alpha);
    QFETCH(QPointF, firstEnd);
    QFETCH(QPointF, lastEnd);
    QFETCH(QPointF, shortLineEnd);

    RecordingSurface surface;
    drawLightPaths(surface, settings(1.33, alpha, "35", "Voda"));
    const auto& calls = surface.calls;
    QVERIFY(int(calls.size()) > beamCalls);

    for (int i = 0; i <= 1000; ++i) {
        const DrawCall& shortLine = calls[2 * i];
        VERIFY_CALL(
            isLine(shortLine, 3100, 5000, shortLineEnd.x(), shortLineEnd.y(), std::nullopt, 1) &&
                shortLine.drawWidth == 1,
            shortLine);
        const DrawCall& ray = calls[2 * i + 1];
        VERIFY_CALL(ray.kind == DrawCall::Kind::Line && !ray.colour && ray.drawWidth == 1 &&
                        ray.x1 == 3100 + i && ray.y1 == 5000,
                    ray);
        // The lower ends lie evenly on one line, square to the rays.
        const QPointF end = firstEnd + (lastEnd - firstEnd) * (i / 1000.0);
        VERIFY_CALL(near(ray.x2, end.x(), 1) && near(ray.y2, end.y(), 1), ray);
    }
}

void TestLightPaths::reflectedEdges_data()
{
    QTest::addColumn<double>("alpha");
    QTest::addColumn<QString>("angleCase");
    QTest::addColumn<double>("edgeLength");
    QTest::newRow("35 degrees") << 35.0 << "35" << 1501.7;
    QTest::newRow("60 degrees") << 60.0 << "60" << 1502.6;
}

void TestLightPaths::reflectedEdges()
{
    QFETCH(double, alpha);
    QFETCH(QString, angleCase);
    QFETCH(double, edgeLength);

    RecordingSurface surface;
    drawLightPaths(surface, settings(1.33, alpha, angleCase.toUtf8().constData(), "Voda"));
    const auto& calls = surface.calls;
    VERIFY_CALL(isDrawWidth(calls.at(beamCalls), 2), calls.at(beamCalls));

    const double startX[] = {3100, 4100};
    for (int e = 0; e < 2; ++e) {
        const DrawCall& edge = calls.at(firstReflectedEdge + e);
        VERIFY_CALL(edge.kind == DrawCall::Kind::Line && edge.colour == colours::white &&
                        edge.drawWidth == 2 && edge.x1 == startX[e] && edge.y1 == 5000,
                    edge);
        QVERIFY2(near(length(edge), edgeLength, 0.05), qPrintable(describe(edge)));
        // Down and to the right, the mirror of the incident rays about the normal.
        const double angle = std::atan2(edge.x2 - edge.x1, edge.y2 - edge.y1) * 180 / M_PI;
        QVERIFY2(near(angle, alpha, 0.1), qPrintable(QString::number(angle)));
    }
}

void TestLightPaths::afterReflection_data()
{
    QTest::addColumn<double>("refrIndex");
    QTest::addColumn<double>("alpha");
    QTest::addColumn<QString>("angleCase");
    QTest::addColumn<QString>("substance");
    QTest::addColumn<QList<QLineF>>("whiteLines"); // drawn after the reflected edges
    QTest::addColumn<double>("tolerance");

    const QString critical = QStringLiteral("Mezní");
    QTest::newRow("35 water: refracted edges")
        << 1.33 << 35.0 << "35"
        << "Voda" << QList<QLineF>{{3100, 5000, 7294, 1442}, {4100, 5000, 7303, 2283}} << 1.0;
    QTest::newRow("35 glass: refracted edges")
        << 1.5 << 35.0 << "35"
        << "Sklo" << QList<QLineF>{{3100, 5000, 7271, 2525}, {4100, 5000, 7282, 3112}} << 1.0;
    QTest::newRow("35 without a refracted ray: nothing") << 2.0 << 35.0 << "35"
                                                         << "Voda" << QList<QLineF>{} << 0.0;
    QTest::newRow("35 at the edge of refraction: grazing edges")
        << (1 - 1e-12) / std::sin(40 * 3.14 / 180) << 40.0 << "35"
        << "Sklo" << QList<QLineF>{{3100, 5000, 7950, 5000}, {4100, 5000, 7800, 5000}} << 0.5;
    QTest::newRow("60: nothing") << 1.33 << 60.0 << "60"
                                 << "Voda" << QList<QLineF>{} << 0.0;
    // The grazing ray ends near the probe line, the reflected ray runs along the first edge.
    QTest::newRow("critical water: grazing and reflected ray")
        << 1.33 << 48.783 << critical << "Voda"
        << QList<QLineF>{{3100, 5000, 7300.2, 5000}, {3100, 5000, 4227.9, 5988.86}} << 0.1;
    QTest::newRow("critical glass: grazing and reflected ray")
        << 1.5 << 41.839 << critical << "Sklo"
        << QList<QLineF>{{3100, 5000, 7300.5, 5000}, {3100, 5000, 4100.15, 6117.9}} << 0.1;
}

void TestLightPaths::afterReflection()
{
    QFETCH(double, refrIndex);
    QFETCH(double, alpha);
    QFETCH(QString, angleCase);
    QFETCH(QString, substance);
    QFETCH(QList<QLineF>, whiteLines);
    QFETCH(double, tolerance);

    RecordingSurface surface;
    const QByteArray a = angleCase.toUtf8();
    const QByteArray s = substance.toUtf8();
    drawLightPaths(surface, settings(refrIndex, alpha, a.constData(), s.constData()));
    const auto& calls = surface.calls;

    const int first = firstReflectedEdge + 2;
    QCOMPARE(int(calls.size()), first + int(whiteLines.size()) + 1);
    for (int k = 0; k < whiteLines.size(); ++k) {
        const QLineF& l = whiteLines[k];
        const DrawCall& c = calls[first + k];
        VERIFY_CALL(isLine(c, l.x1(), l.y1(), l.x2(), l.y2(), colours::white, tolerance) &&
                        c.drawWidth == 2,
                    c);
    }
    VERIFY_CALL(isDrawWidth(calls.back(), 1), calls.back());
}

QTEST_APPLESS_MAIN(TestLightPaths)
#include "test_light_paths.moc"

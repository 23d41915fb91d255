// SPDX-License-Identifier: GPL-3.0-or-later
#include "KavirelDeskaKlouzani.h"

#include <QVariantAnimation>
#include <QWidget>

#include "KavirelDeska.h"

TKlouzaniKamene::TKlouzaniKamene(QWidget* Pohled) : Pohled(Pohled), Animace(new QVariantAnimation(Pohled))
{
    Animace->setObjectName(QStringLiteral("AnimaceSkoku"));
    Animace->setStartValue(0.0);
    Animace->setEndValue(1.0);
    Animace->setDuration(150);
    Animace->setEasingCurve(QEasingCurve::InOutQuad);
    QObject::connect(Animace, &QVariantAnimation::valueChanged, Pohled, qOverload<>(&QWidget::update));
    QObject::connect(Animace, &QVariantAnimation::finished, Pohled, qOverload<>(&QWidget::update));
}

void TKlouzaniKamene::Spust(const TPozice& Odkud, const TPozice& Kam)
{
    OdkudSkoku = Odkud;
    KamSkoku = Kam;
    Animace->start();
}

void TKlouzaniKamene::Dokonci()
{
    if (Animace->state() != QAbstractAnimation::Stopped)
        Animace->stop();
    Pohled->update();
}

bool TKlouzaniKamene::Bezi() const { return Animace->state() == QAbstractAnimation::Running; }

std::optional<QPointF> TKlouzaniKamene::Roh() const
{
    if (!Bezi())
        return std::nullopt;
    constexpr int rozestup = TGraphGameDeska::RozestupPoli;
    const qreal t = Animace->currentValue().toReal();
    const QPointF od(OdkudSkoku.X * rozestup, OdkudSkoku.Y * rozestup);
    const QPointF kam(KamSkoku.X * rozestup, KamSkoku.Y * rozestup);
    return od + (kam - od) * t;
}

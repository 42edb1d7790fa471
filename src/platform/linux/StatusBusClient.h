#pragma once

#include "platform/StatusClient.h"

#include <QDBusConnection>
#include <QObject>

// Reaches the running program's status interface on the session bus.
class StatusBusClient final : public QObject, public StatusClient
{
    Q_OBJECT
public:
    explicit StatusBusClient(QDBusConnection bus = QDBusConnection::sessionBus(), QObject *parent = nullptr);

    std::optional<QString> status() override;
    std::optional<QString> refresh() override;
    bool follow(std::function<void(const QString &status)> onStatus, std::function<void()> onGone) override;
    std::optional<Answer> editAccount(const QString &verb, const QStringList &arguments) override;
    std::optional<Answer> addAccount(const QString &provider, const QString &label, const QString &source,
                                     const QString &key) override;

private slots:
    void changed(const QString &status);

private:
    std::optional<QString> call(const QString &method, int timeoutMs);
    std::optional<Answer> answer(const QString &method, const QVariantList &arguments);

    QDBusConnection m_bus;
    std::function<void(const QString &)> m_onChange;
    std::function<void()> m_onGone;
};

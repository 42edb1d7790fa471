#pragma once

#include "platform/DefaultsStore.h"

#include <QVariantMap>

// A defaults store in memory that counts its writes.
class MemoryDefaultsStore final : public DefaultsStore
{
public:
    QVariant object(const QString &key) const override { return values.value(key); }
    void setObject(const QString &key, const QVariant &value) override
    {
        values.insert(key, value);
        ++writes;
    }
    void remove(const QString &key) override
    {
        values.remove(key);
        ++writes;
    }

    QVariantMap values;
    int writes = 0;
};

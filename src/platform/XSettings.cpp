#include "XSettings.h"

#include <QtEndian>

namespace {

// Reads the property's fields in the manager's byte order, failing once past the end.
class Reader
{
public:
    Reader(const QByteArray &bytes, bool bigEndian)
        : m_bytes(bytes)
        , m_bigEndian(bigEndian)
    {
    }

    bool ok() const { return m_ok; }

    template<typename T>
    T number()
    {
        if (!take(sizeof(T)))
            return 0;
        const auto *at = reinterpret_cast<const uchar *>(m_bytes.constData() + m_at - sizeof(T));
        return m_bigEndian ? qFromBigEndian<T>(at) : qFromLittleEndian<T>(at);
    }

    QByteArray bytes(qsizetype length)
    {
        if (!take(length))
            return {};
        return m_bytes.mid(m_at - length, length);
    }

    void skip(qsizetype length) { take(length); }
    void padToFour() { skip((4 - m_at % 4) % 4); }

private:
    bool take(qsizetype length)
    {
        if (!m_ok || length < 0 || length > m_bytes.size() - m_at) {
            m_ok = false;
            return false;
        }
        m_at += length;
        return true;
    }

    const QByteArray &m_bytes;
    bool m_bigEndian;
    qsizetype m_at = 0;
    bool m_ok = true;
};

enum Type : quint8 { integerType = 0, stringType = 1, colourType = 2 };

} // namespace

std::optional<XSettings> XSettings::parse(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    const char order = bytes.front(); // as in X: 0 least significant byte first, 1 most significant first
    if (order != 0 && order != 1)
        return std::nullopt;
    Reader reader(bytes, order == 1);
    reader.skip(4);
    XSettings settings;
    settings.serial = reader.number<quint32>();
    const quint32 count = reader.number<quint32>();
    for (quint32 i = 0; i < count && reader.ok(); ++i) {
        const quint8 type = reader.number<quint8>();
        reader.skip(1);
        const QString name = QString::fromLatin1(reader.bytes(reader.number<quint16>()));
        reader.padToFour();
        reader.skip(4); // the serial of the setting's last change
        switch (type) {
        case integerType:
            settings.values.insert(name, reader.number<qint32>());
            break;
        case stringType: {
            const QByteArray text = reader.bytes(reader.number<quint32>());
            reader.padToFour();
            settings.values.insert(name, QString::fromUtf8(text));
            break;
        }
        case colourType: {
            // Managers and toolkits alike write red, green, blue, alpha.
            Colour value{};
            for (quint16 &channel : value)
                channel = reader.number<quint16>();
            settings.values.insert(name, value);
            break;
        }
        default:
            return std::nullopt; // an unknown type has an unknown length
        }
    }
    if (!reader.ok())
        return std::nullopt;
    return settings;
}

QString XSettings::string(const QString &name) const
{
    const auto found = values.constFind(name);
    if (found == values.cend())
        return {};
    const QString *text = std::get_if<QString>(&*found);
    return text ? *text : QString();
}

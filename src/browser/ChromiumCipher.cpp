#include "ChromiumCipher.h"

#include <QCryptographicHash>

#include <openssl/evp.h>

#include <memory>

namespace ChromiumCipher {

namespace {

const QByteArray salt = QByteArrayLiteral("saltysalt");
constexpr int keyLength = 16;
constexpr int iterations = 1;
constexpr qsizetype prefixLength = 3; // "v10", "v11"
constexpr qsizetype hostDigestLength = 32;

std::optional<QByteArray> aesDecrypt(const QByteArray &cipherText, const QByteArray &key)
{
    if (cipherText.isEmpty() || cipherText.size() % 16 != 0 || key.size() != keyLength)
        return std::nullopt;
    const QByteArray iv(16, ' ');
    const std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> context(EVP_CIPHER_CTX_new(),
                                                                                 &EVP_CIPHER_CTX_free);
    if (!context)
        return std::nullopt;
    const auto *keyBytes = reinterpret_cast<const unsigned char *>(key.constData());
    const auto *ivBytes = reinterpret_cast<const unsigned char *>(iv.constData());
    if (EVP_DecryptInit_ex(context.get(), EVP_aes_128_cbc(), nullptr, keyBytes, ivBytes) != 1)
        return std::nullopt;
    QByteArray plain(cipherText.size() + 16, Qt::Uninitialized);
    auto *out = reinterpret_cast<unsigned char *>(plain.data());
    int written = 0;
    int last = 0;
    // The final step checks the padding: most wrong keys fail here.
    if (EVP_DecryptUpdate(context.get(), out, &written, reinterpret_cast<const unsigned char *>(cipherText.constData()),
                          static_cast<int>(cipherText.size()))
            != 1
        || EVP_DecryptFinal_ex(context.get(), out + written, &last) != 1)
        return std::nullopt;
    plain.truncate(written + last);
    return plain;
}

} // namespace

QByteArray key(const QByteArray &password)
{
    QByteArray derived(keyLength, Qt::Uninitialized);
    if (PKCS5_PBKDF2_HMAC_SHA1(password.constData(), static_cast<int>(password.size()),
                               reinterpret_cast<const unsigned char *>(salt.constData()), static_cast<int>(salt.size()),
                               iterations, keyLength, reinterpret_cast<unsigned char *>(derived.data()))
        != 1)
        return {};
    return derived;
}

std::optional<QByteArray> decrypt(const QByteArray &encrypted, const QByteArray &key, const QString &host)
{
    std::optional<QByteArray> plain = aesDecrypt(encrypted.mid(prefixLength), key);
    if (!plain)
        return std::nullopt;
    const QByteArray hostDigest = QCryptographicHash::hash(host.toUtf8(), QCryptographicHash::Sha256);
    if (plain->startsWith(hostDigest))
        plain->remove(0, hostDigestLength);
    if (!isCookieValue(*plain))
        return std::nullopt;
    return plain;
}

bool isCookieValue(const QByteArray &value)
{
    if (value.isEmpty())
        return false;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x21 || byte > 0x7e || byte == '"' || byte == ',' || byte == ';' || byte == '\\')
            return false;
    }
    return true;
}

} // namespace ChromiumCipher

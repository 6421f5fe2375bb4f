#include "VQCrypto.h"

#include <openssl/evp.h>

#include <memory>

namespace {

constexpr int kAes128KeyLength = 16;
constexpr int kAesBlockLength = 16;

struct CipherContextDeleter {
    void operator()(EVP_CIPHER_CTX* context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextDeleter>;

// Runs AES-128-ECB over the input in one pass; PKCS#7 padding is added when encrypting and
// checked and removed when decrypting.
std::optional<QByteArray> aes128Ecb(const QByteArray& input, const QByteArray& key, bool encrypt)
{
    if (key.size() != kAes128KeyLength)
        return std::nullopt;
    CipherContext context(EVP_CIPHER_CTX_new());
    if (!context)
        return std::nullopt;
    const auto* keyBytes = reinterpret_cast<const unsigned char*>(key.constData());
    if (EVP_CipherInit_ex(context.get(), EVP_aes_128_ecb(), nullptr, keyBytes, nullptr, encrypt ? 1 : 0) != 1)
        return std::nullopt;
    EVP_CIPHER_CTX_set_padding(context.get(), 1);

    QByteArray output(input.size() + kAesBlockLength, Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(output.data());
    int written = 0;
    if (EVP_CipherUpdate(context.get(), out, &written, reinterpret_cast<const unsigned char*>(input.constData()),
                         static_cast<int>(input.size())) != 1)
        return std::nullopt;
    int finalWritten = 0;
    if (EVP_CipherFinal_ex(context.get(), out + written, &finalWritten) != 1)
        return std::nullopt;
    output.truncate(written + finalWritten);
    return output;
}

} // namespace

std::optional<QByteArray> VQCrypto::aes128EcbEncrypt(const QByteArray& plain, const QByteArray& key)
{
    return aes128Ecb(plain, key, true);
}

std::optional<QByteArray> VQCrypto::aes128EcbDecrypt(const QByteArray& cipher, const QByteArray& key)
{
    if (cipher.isEmpty() || cipher.size() % kAesBlockLength != 0)
        return std::nullopt;
    return aes128Ecb(cipher, key, false);
}

QByteArray VQCrypto::encryptChatBody(const QByteArray& plain)
{
    const auto cipher = aes128EcbEncrypt(plain, QByteArray(kChatBodyKey));
    return cipher ? cipher->toBase64() : QByteArray();
}

std::optional<QByteArray> VQCrypto::decryptChatBody(const QByteArray& base64)
{
    auto decoded = QByteArray::fromBase64Encoding(base64, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return aes128EcbDecrypt(*decoded, QByteArray(kChatBodyKey));
}

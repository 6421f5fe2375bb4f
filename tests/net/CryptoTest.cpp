// AES-128-ECB with PKCS#7 padding of the chat body.
#include "VQCrypto.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(QByteArray(text));
}

TEST(CryptoTest, MatchesTheStandardTestVectorAndPadsAFullBlock)
{
    // The first AES-128 ECB example of NIST SP 800-38A (F.1.1).
    const QByteArray key = hex("2b7e151628aed2a6abf7158809cf4f3c");
    const QByteArray plain = hex("6bc1bee22e409f96e93d7e117393172a");
    const auto cipher = VQCrypto::aes128EcbEncrypt(plain, key);
    ASSERT_TRUE(cipher.has_value());
    ASSERT_EQ(cipher->size(), 32) << "a whole block of padding follows a full block";
    EXPECT_EQ(cipher->left(16), hex("3ad77bb40d7a3660a89ecaf32466ef97"));
    EXPECT_EQ(VQCrypto::aes128EcbDecrypt(*cipher, key), plain);
    // The padding block is sixteen bytes of 0x10, encrypted on its own.
    EXPECT_EQ(cipher->mid(16), VQCrypto::aes128EcbEncrypt(QByteArray(), key)->left(16));
}

TEST(CryptoTest, RoundTripsEveryLengthAroundTheBlockSize)
{
    const QByteArray key(VQCrypto::kChatBodyKey);
    ASSERT_EQ(key.size(), 16);
    for (int length = 0; length <= 33; ++length) {
        const QByteArray plain(length, static_cast<char>('a' + length % 26));
        const auto cipher = VQCrypto::aes128EcbEncrypt(plain, key);
        ASSERT_TRUE(cipher.has_value());
        EXPECT_EQ(cipher->size(), (length / 16 + 1) * 16);
        EXPECT_EQ(VQCrypto::aes128EcbDecrypt(*cipher, key), plain);
    }
    const QByteArray text = QStringLiteral("[{\"role\":\"user\",\"content\":\"你好\"}]").toUtf8();
    EXPECT_EQ(VQCrypto::decryptChatBody(VQCrypto::encryptChatBody(text)), text);
}

TEST(CryptoTest, RefusesBadKeysAndBrokenCipherText)
{
    EXPECT_FALSE(VQCrypto::aes128EcbEncrypt("x", "short").has_value());
    EXPECT_FALSE(VQCrypto::aes128EcbEncrypt("x", QByteArray(17, 'k')).has_value());
    const QByteArray key(16, 'k');
    const QByteArray cipher = *VQCrypto::aes128EcbEncrypt("some secret text", key);
    EXPECT_FALSE(VQCrypto::aes128EcbDecrypt(cipher.left(cipher.size() - 1), key).has_value());
    EXPECT_FALSE(VQCrypto::aes128EcbDecrypt(QByteArray(), key).has_value());
    EXPECT_NE(VQCrypto::aes128EcbDecrypt(cipher, QByteArray(16, 'j')), std::optional<QByteArray>("some secret text"));
    EXPECT_FALSE(VQCrypto::decryptChatBody("not base64 !!").has_value());
}

} // namespace

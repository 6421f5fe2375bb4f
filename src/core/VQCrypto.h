#pragma once

#include <QByteArray>

#include <optional>

// Symmetric encryption of the AI chat request body: AES-128 in ECB mode with PKCS#7 padding,
// through OpenSSL's EVP interface. (MD5 of texts is mm::vq_md5, on Qt's hash.)
class VQCrypto {
public:
    // The 16-character key of the chat request body.
    static constexpr char kChatBodyKey[] = "Cv7qAi2Chat9kBx4";

    // AES-128-ECB with PKCS#7 padding. nullopt when the key is not 16 bytes or OpenSSL fails.
    static std::optional<QByteArray> aes128EcbEncrypt(const QByteArray& plain, const QByteArray& key);
    // The inverse; nullopt also for a cipher text whose length or padding is wrong (wrong key).
    static std::optional<QByteArray> aes128EcbDecrypt(const QByteArray& cipher, const QByteArray& key);

    // The chat body: the bytes encrypted under kChatBodyKey, as standard Base64 text.
    static QByteArray encryptChatBody(const QByteArray& plain);
    // The inverse of encryptChatBody; nullopt for text that is not Base64 of such a cipher.
    static std::optional<QByteArray> decryptChatBody(const QByteArray& base64);
};

#pragma once

#include <QString>

namespace tq::web {

/// The web panel's password, kept only as a salted slow hash:
/// "pbkdf2-sha256$<iterations>$<salt>$<key>" with the salt and key in
/// base64. Deriving the key takes a noticeable fraction of a second on
/// purpose, so checking runs off the user-interface thread.
class PasswordHash {
public:
    static constexpr int kIterations = 100000;
    static constexpr int kSaltBytes = 16;
    static constexpr int kKeyBytes = 32;
    /// Shortest password the dialog accepts.
    static constexpr int kMinimumLength = 8;

    /// A new hash of the password with a fresh random salt.
    static QString make(const QString& password, int iterations = kIterations);

    /// Whether the password is the one the stored hash was made from. A
    /// stored text that is no such hash matches nothing.
    static bool verify(const QString& password, const QString& stored);
};

}  // namespace tq::web

-- The program's user table. Names compare without regard to ASCII case, as the sign-in has
-- always found them; a name is held once.
-- A password is kept as "pbkdf2-sha256$<iterations>$<salt, base64>$<key, base64>": the key is
-- PBKDF2-HMAC-SHA256 of the password's UTF-8 bytes, 32 bytes long.
CREATE TABLE admin (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    "user" TEXT NOT NULL UNIQUE COLLATE NOCASE,
    password TEXT NOT NULL
);

-- The initial account; its password is to be changed after the first sign-in.
INSERT INTO admin ("user", password)
VALUES ('admin', 'pbkdf2-sha256$100000$tgQIrUl46MM/ov+bTvGqNA==$WsQCSS2iDDN3RJNRFD40MbxEn6to9y1GKx8FksoAHNM=');

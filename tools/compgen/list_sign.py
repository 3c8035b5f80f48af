"""The comparison file's detached signature: standard Ed25519 (RFC 8032) over
the file's exact bytes, written raw (64 bytes) to FILE.sig, which is served
beside the file. `openssl pkeyutl -sign -rawin -inkey KEY -in FILE` makes
the same bytes.

The private key is a PEM file (openssl genpkey -algorithm ed25519) that never
enters the repository. It is read from --key PATH, else from the path in
ORVO_LIST_SIGNING_KEY_FILE, else from the PEM text in ORVO_LIST_SIGNING_KEY.
"""

import os

KEY_FILE_VARIABLE = "ORVO_LIST_SIGNING_KEY_FILE"
KEY_TEXT_VARIABLE = "ORVO_LIST_SIGNING_KEY"


def _private_key(path):
    # Imported here: the other commands run without the library.
    from cryptography.hazmat.primitives.asymmetric.ed25519 import Ed25519PrivateKey
    from cryptography.hazmat.primitives.serialization import load_pem_private_key

    path = path or os.environ.get(KEY_FILE_VARIABLE)
    if path:
        with open(path, "rb") as f:
            pem = f.read()
    elif os.environ.get(KEY_TEXT_VARIABLE):
        pem = os.environ[KEY_TEXT_VARIABLE].encode()
    else:
        raise ValueError("no signing key: give --key PATH, %s or %s"
                         % (KEY_FILE_VARIABLE, KEY_TEXT_VARIABLE))
    key = load_pem_private_key(pem, password=None)
    if not isinstance(key, Ed25519PrivateKey):
        raise ValueError("the signing key is not an Ed25519 key")
    return key


def public_key_hex(key):
    from cryptography.hazmat.primitives.serialization import Encoding, PublicFormat
    return key.public_key().public_bytes(Encoding.Raw, PublicFormat.Raw).hex()


def cmd_sign(args):
    key = _private_key(args.key)
    if args.public_key:
        print(public_key_hex(key))
        return 0
    if not args.file:
        raise ValueError("sign: name the file to sign, or ask for --public-key")
    with open(args.file, "rb") as f:
        signature = key.sign(f.read())
    with open(args.file + ".sig", "wb") as f:
        f.write(signature)
    print("compgen: signed %s with key %s" % (args.file, public_key_hex(key)))
    return 0


def add_command(sub):
    p = sub.add_parser("sign", help="sign the comparison file (writes FILE.sig)")
    p.add_argument("file", nargs="?")
    p.add_argument("--key", help="the private key's PEM file")
    p.add_argument("--public-key", action="store_true",
                   help="print the key's public half (for ORVO_LIST_PUBLIC_KEYS) and sign nothing")
    p.set_defaults(run=cmd_sign)

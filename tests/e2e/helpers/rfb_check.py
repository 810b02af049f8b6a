"""Opens an RFB (VNC) connection the way a viewer does and reports what the server asks for:
    rfb_check.py PORT [PASSWORD]
prints "types: N ..." (the security types offered; 1 is none, 2 is VNC authentication), then, when type
2 is offered, "auth: ok" or "auth: refused" for the given password (without one, a wrong answer is
sent). The DES answer to the challenge comes from openssl, which keeps DES in its legacy provider."""
import socket
import struct
import subprocess
import sys


def recv_exact(sock, n):
    data = b""
    while len(data) < n:
        part = sock.recv(n - len(data))
        if not part:
            raise EOFError("the server closed the connection")
        data += part
    return data


def vnc_answer(password, challenge):
    # The key is the password's first 8 bytes, zero-padded, each byte's bits mirrored.
    key = bytes(int(f"{b:08b}"[::-1], 2) for b in password.encode("latin-1")[:8].ljust(8, b"\0"))
    return subprocess.run(
        ["openssl", "enc", "-des-ecb", "-nopad", "-K", key.hex(), "-provider", "legacy", "-provider", "default"],
        input=challenge, capture_output=True, check=True).stdout


def main(port, password):
    with socket.create_connection(("127.0.0.1", port), timeout=10) as sock:
        version = recv_exact(sock, 12)
        if not version.startswith(b"RFB "):
            print(f"not an RFB server: {version!r}")
            return 1
        sock.sendall(b"RFB 003.008\n")
        count = recv_exact(sock, 1)[0]
        if count == 0:
            (length,) = struct.unpack(">I", recv_exact(sock, 4))
            print(f"types: none ({recv_exact(sock, length).decode(errors='replace')})")
            return 1
        types = list(recv_exact(sock, count))
        print("types: " + " ".join(map(str, types)))
        if 2 not in types:
            return 0
        sock.sendall(bytes([2]))
        challenge = recv_exact(sock, 16)
        answer = vnc_answer(password, challenge) if password is not None else bytes(16)
        sock.sendall(answer)
        (result,) = struct.unpack(">I", recv_exact(sock, 4))
        print("auth: ok" if result == 0 else "auth: refused")
    return 0


if __name__ == "__main__":
    sys.exit(main(int(sys.argv[1]), sys.argv[2] if len(sys.argv) > 2 else None))

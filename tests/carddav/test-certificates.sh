# The certificates of a CardDAV end-to-end run, sourced by its scripts: a certificate authority of the run's own, one
# server certificate it signs, and the trust of that authority through a private copy of the system's store, so that
# two runs at once never meet in the shared one.

# make_certificates WORK AUTHORITY NAMES: WORK/ca.crt (CN=AUTHORITY), WORK/server.crt and WORK/server.key for NAMES, a
# subjectAltName list ("DNS:localhost,IP:127.0.0.1") whose first name is also the certificate's CN.
make_certificates()
{
    local work=$1 authority=$2 names=$3
    local first=${names%%,*}
    openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/ca.key" -out "$work/ca.crt" -days 2 \
        -subj "/CN=$authority" 2>/dev/null
    openssl req -newkey rsa:2048 -nodes -keyout "$work/server.key" -out "$work/server.csr" -subj "/CN=${first#*:}" \
        2>/dev/null
    printf 'subjectAltName=%s\n' "$names" >"$work/ext"
    openssl x509 -req -in "$work/server.csr" -CA "$work/ca.crt" -CAkey "$work/ca.key" -CAcreateserial \
        -out "$work/server.crt" -days 2 -extfile "$work/ext" 2>/dev/null
}

# trust_privately WORK NAME: /etc/ssl/certs becomes, in this mount namespace only, a copy of itself that also trusts
# WORK/ca.crt (as NAME.pem, and in the bundle).
trust_privately()
{
    local work=$1 name=$2
    mkdir "$work/certs"
    cp -a /etc/ssl/certs/. "$work/certs/"
    cp "$work/ca.crt" "$work/certs/$name.pem"
    cat "$work/ca.crt" >>"$work/certs/ca-certificates.crt"
    # A link that another run left dangling in the system's folder is no certificate; rehash fails on it.
    find "$work/certs" -xtype l -delete
    openssl rehash "$work/certs" >/dev/null 2>&1 || c_rehash "$work/certs" >/dev/null
    mount --bind "$work/certs" /etc/ssl/certs
}

"""Explications des sorts dont le nom commence par n à z (voir explications.py)."""

EXPLICATIONS = {
}

"""Explications des sorts dont le nom commence par d à m (voir explications.py)."""

EXPLICATIONS = {
}

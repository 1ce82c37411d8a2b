# The one treasury order file the import wrote, byte for byte.
ls TREZOR
cat -A TREZOR/*

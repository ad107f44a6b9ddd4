"""The short soak of every test run: a few cycles, object counts flat."""
from harness import main
from soak import soak


def no_pierde_objetos(exe):
    soak(exe, revelaciones=8, acercas=6, notas=1)


if __name__ == "__main__":
    main(no_pierde_objetos)

; door300.asm: scenery object door300, exported for Fs2004

    .386
    .model flat

door300_top label word
    BGL_LIBRARY_OBJECT_HEADER
    include door300_0.asm ; model data

door300_end label word
    end

; gate3.asm: scenery object gate3, exported for Fs2004

    .386
    .model flat

gate3_top label word
    BGL_LIBRARY_OBJECT_HEADER
    include gate3_0.asm ; model data

gate3_end label word
    end

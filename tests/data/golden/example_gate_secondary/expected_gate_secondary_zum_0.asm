; gate_0.asm: model data of the scenery object gate

gate_riff_start label byte
    db 'R','I','F','F'
    dd gate_riff_end - $ - 4
    db 'M','D','L','9'

model_header_riff_start label byte
    db 'M','D','L','H'
    dd model_header_riff_end - $ - 4
    dd 36
    dd 0, 0, 0, 0
model_header_riff_end label byte

animation_parameters_riff_start label byte
    db 'A','N','I','P'
    dd animation_parameters_riff_end - $ - 4

gate_local_varbase_1 label word
dw 0
dw 0
dw 0
dw 0
dw 0

gate_1_tick18_mod_1 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 65535.0, 65535.0
gate_1_tick18_mod_2 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 101.0, 101.0
gate_1_float_convert_hi label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 100.0, 17096.0
gate_trans_1_1_a label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_1_b label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0
   real4  50.0,  0.0,  1.5, 0.25
   real4  100.0,  0.0,  3.0, -0.5
gate_trans_1_1_c label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  3.0, -0.5
   real4  50.0,  0.0,  1.5, 0.25
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_1_d label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  3.0, -0.5
   real4  100.0,  0.0,  3.0, -0.5
gate_quat_1_1_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_1_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  50.0,  0.0, 0.383,  0.0, 0.924
   real4  100.0,  0.0, 0.707,  0.0, 0.707
gate_quat_1_1_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0, 0.707,  0.0, 0.707
   real4  50.0,  0.0, 0.383,  0.0, 0.924
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_1_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0, 0.707,  0.0, 0.707
   real4  100.0,  0.0, 0.707,  0.0, 0.707
gate_trans_1_2_a label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_2_b label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0
   real4  50.0,  0.0,  1.25, 0.25
   real4  100.0,  0.0,  2.5, -0.5
gate_trans_1_2_c label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  2.5, -0.5
   real4  50.0,  0.0,  1.25, 0.25
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_2_d label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  2.5, -0.5
   real4  100.0,  0.0,  2.5, -0.5
gate_quat_1_2_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_2_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  50.0,  0.0, 0.259,  0.0, 0.966
   real4  100.0,  0.0, 0.5,  0.0, 0.866
gate_quat_1_2_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0, 0.5,  0.0, 0.866
   real4  50.0,  0.0, 0.259,  0.0, 0.966
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_2_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0, 0.5,  0.0, 0.866
   real4  100.0,  0.0, 0.5,  0.0, 0.866
gate_trans_1_3_a label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_3_b label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0
   real4  50.0,  0.0,  2.0, 0.25
   real4  100.0,  0.0,  4.0, -0.5
gate_trans_1_3_c label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  4.0, -0.5
   real4  50.0,  0.0,  2.0, 0.25
   real4  100.0,  0.0,  0.0,  0.0
gate_trans_1_3_d label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  4.0, -0.5
   real4  100.0,  0.0,  4.0, -0.5
gate_quat_1_3_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_3_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  50.0,  0.0, 0.5,  0.0, 0.866
   real4  100.0,  0.0, 0.866,  0.0, 0.5
gate_quat_1_3_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    3
   real4  0.0,  0.0, 0.866,  0.0, 0.5
   real4  50.0,  0.0, 0.5,  0.0, 0.866
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_1_3_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0, 0.866,  0.0, 0.5
   real4  100.0,  0.0, 0.866,  0.0, 0.5

gate_local_varbase_2 label word
dw 0
dw 0
dw 0
dw 0
dw 0

gate_2_tick18_mod_1 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 65535.0, 65535.0
gate_2_tick18_mod_2 label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 101.0, 101.0
gate_2_float_convert_hi label word
   dw    1
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4 0.0, 0.0
   real4 100.0, 17096.0
gate_quat_2_1_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_1_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  25.0, 0.383,  0.0,  0.0, 0.924
   real4  50.0, 0.707,  0.0,  0.0, 0.707
   real4  75.0, 0.924,  0.0,  0.0, 0.383
   real4  100.0,  1.0,  0.0,  0.0,  0.0
gate_quat_2_1_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0,  1.0,  0.0,  0.0,  0.0
   real4  25.0, 0.924,  0.0,  0.0, 0.383
   real4  50.0, 0.707,  0.0,  0.0, 0.707
   real4  75.0, 0.383,  0.0,  0.0, 0.924
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_1_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  1.0,  0.0,  0.0,  0.0
   real4  100.0,  1.0,  0.0,  0.0,  0.0
gate_quat_2_2_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_2_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  25.0, 0.195,  0.0,  0.0, 0.981
   real4  50.0, 0.383,  0.0,  0.0, 0.924
   real4  75.0, 0.556,  0.0,  0.0, 0.831
   real4  100.0, 0.707,  0.0,  0.0, 0.707
gate_quat_2_2_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0, 0.707,  0.0,  0.0, 0.707
   real4  25.0, 0.556,  0.0,  0.0, 0.831
   real4  50.0, 0.383,  0.0,  0.0, 0.924
   real4  75.0, 0.195,  0.0,  0.0, 0.981
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_2_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0, 0.707,  0.0,  0.0, 0.707
   real4  100.0, 0.707,  0.0,  0.0, 0.707
gate_quat_2_3_a label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_3_b label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0,  0.0,  0.0,  0.0,  1.0
   real4  25.0, 0.556,  0.0,  0.0, 0.831
   real4  50.0, 0.924,  0.0,  0.0, 0.383
   real4  75.0, 0.981,  0.0,  0.0, -0.195
   real4  100.0, 0.707,  0.0,  0.0, -0.707
gate_quat_2_3_c label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    5
   real4  0.0, 0.707,  0.0,  0.0, -0.707
   real4  25.0, 0.981,  0.0,  0.0, -0.195
   real4  50.0, 0.924,  0.0,  0.0, 0.383
   real4  75.0, 0.556,  0.0,  0.0, 0.831
   real4  100.0,  0.0,  0.0,  0.0,  1.0
gate_quat_2_3_d label word
   dw    3
   real4 -1.0
   real4 16 dup (0.0)
   dw    2
   real4  0.0, 0.707,  0.0,  0.0, -0.707
   real4  100.0, 0.707,  0.0,  0.0, -0.707
animation_parameters_riff_end label byte

animation_commands_riff_start label byte
    db 'A','N','I','C'
    dd animation_commands_riff_end - $ - 4

bgl_animation_command_start_0 label word

BGL_TRANSFORM_INDIRECT 2, 0

bgl_animation_command_end_0 label word

bgl_animation_command_start_4 label word

BGL_TRANSFORM_INDIRECT 2, 4

bgl_animation_command_end_4 label word

bgl_animation_command_start_8 label word

BGL_TRANSFORM_INDIRECT 2, 8

bgl_animation_command_end_8 label word

bgl_animation_command_start_12 label word

BGL_TRANSFORM_INDIRECT 2, 12

bgl_animation_command_end_12 label word

bgl_animation_command_start_16 label word

BGL_TRANSFORM_INDIRECT 2, 16

bgl_animation_command_end_16 label word

bgl_animation_command_start_20 label word

BGL_TRANSFORM_INDIRECT 2, 20

bgl_animation_command_end_20 label word

bgl_animation_command_start_24 label word

BGL_TRANSFORM_INDIRECT 2, 24

bgl_animation_command_end_24 label word

bgl_animation_command_start_28 label word

BGL_TRANSFORM_INDIRECT 2, 28

bgl_animation_command_end_28 label word

bgl_animation_command_start_32 label word

BGL_TRANSFORM_INDIRECT 2, 32

bgl_animation_command_end_32 label word

bgl_animation_command_start_36 label word

BGL_TRANSFORM_INDIRECT 2, 36

bgl_animation_command_end_36 label word

bgl_animation_command_start_40 label word

BGL_TRANSFORM_INDIRECT 2, 40

bgl_animation_command_end_40 label word

bgl_animation_command_start_44 label word

BGL_TRANSFORM_INDIRECT 2, 44

bgl_animation_command_end_44 label word

bgl_animation_command_start_1 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_1_a - offset gate_local_varbase_1),1

bgl_animation_command_end_1 label word

bgl_animation_command_start_5 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_1_b - offset gate_local_varbase_1),5

bgl_animation_command_end_5 label word

bgl_animation_command_start_9 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_1_c - offset gate_local_varbase_1),9

bgl_animation_command_end_9 label word

bgl_animation_command_start_13 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_1_d - offset gate_local_varbase_1),13

bgl_animation_command_end_13 label word

bgl_animation_command_start_17 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_2_a - offset gate_local_varbase_1),17

bgl_animation_command_end_17 label word

bgl_animation_command_start_21 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_2_b - offset gate_local_varbase_1),21

bgl_animation_command_end_21 label word

bgl_animation_command_start_25 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_2_c - offset gate_local_varbase_1),25

bgl_animation_command_end_25 label word

bgl_animation_command_start_29 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_2_d - offset gate_local_varbase_1),29

bgl_animation_command_end_29 label word

bgl_animation_command_start_33 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_3_a - offset gate_local_varbase_1),33

bgl_animation_command_end_33 label word

bgl_animation_command_start_37 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_3_b - offset gate_local_varbase_1),37

bgl_animation_command_end_37 label word

bgl_animation_command_start_41 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_3_c - offset gate_local_varbase_1),41

bgl_animation_command_end_41 label word

bgl_animation_command_start_45 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_trans_1_3_d - offset gate_local_varbase_1),45

bgl_animation_command_end_45 label word

bgl_animation_command_start_2 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_1_a - offset gate_local_varbase_1), 0,2

bgl_animation_command_end_2 label word

bgl_animation_command_start_6 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_1_b - offset gate_local_varbase_1), 0,6

bgl_animation_command_end_6 label word

bgl_animation_command_start_10 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_1_c - offset gate_local_varbase_1), 0,10

bgl_animation_command_end_10 label word

bgl_animation_command_start_14 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_1_d - offset gate_local_varbase_1), 0,14

bgl_animation_command_end_14 label word

bgl_animation_command_start_18 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_2_a - offset gate_local_varbase_1), 0,18

bgl_animation_command_end_18 label word

bgl_animation_command_start_22 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_2_b - offset gate_local_varbase_1), 0,22

bgl_animation_command_end_22 label word

bgl_animation_command_start_26 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_2_c - offset gate_local_varbase_1), 0,26

bgl_animation_command_end_26 label word

bgl_animation_command_start_30 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_2_d - offset gate_local_varbase_1), 0,30

bgl_animation_command_end_30 label word

bgl_animation_command_start_34 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_3_a - offset gate_local_varbase_1), 0,34

bgl_animation_command_end_34 label word

bgl_animation_command_start_38 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_3_b - offset gate_local_varbase_1), 0,38

bgl_animation_command_end_38 label word

bgl_animation_command_start_42 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_3_c - offset gate_local_varbase_1), 0,42

bgl_animation_command_end_42 label word

bgl_animation_command_start_46 label word

LOCAL_BASE_32 gate_local_varbase_1
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_1 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_1_tick18_mod_2 - offset gate_local_varbase_1)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_1_float_convert_hi - offset gate_local_varbase_1)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_1
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_1_3_d - offset gate_local_varbase_1), 0,46

bgl_animation_command_end_46 label word

bgl_animation_command_start_3 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_1_a - offset gate_local_varbase_2),3

bgl_animation_command_end_3 label word

bgl_animation_command_start_7 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_1_b - offset gate_local_varbase_2),7

bgl_animation_command_end_7 label word

bgl_animation_command_start_11 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_1_c - offset gate_local_varbase_2),11

bgl_animation_command_end_11 label word

bgl_animation_command_start_15 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_1_d - offset gate_local_varbase_2),15

bgl_animation_command_end_15 label word

bgl_animation_command_start_19 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_2_a - offset gate_local_varbase_2),19

bgl_animation_command_end_19 label word

bgl_animation_command_start_23 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_2_b - offset gate_local_varbase_2),23

bgl_animation_command_end_23 label word

bgl_animation_command_start_27 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_2_c - offset gate_local_varbase_2),27

bgl_animation_command_end_27 label word

bgl_animation_command_start_31 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_2_d - offset gate_local_varbase_2),31

bgl_animation_command_end_31 label word

bgl_animation_command_start_35 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_3_a - offset gate_local_varbase_2),35

bgl_animation_command_end_35 label word

bgl_animation_command_start_39 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_3_b - offset gate_local_varbase_2),39

bgl_animation_command_end_39 label word

bgl_animation_command_start_43 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_3_c - offset gate_local_varbase_2),43

bgl_animation_command_end_43 label word

bgl_animation_command_start_47 label word

LOCAL_BASE_32 gate_local_varbase_2
BGL_INTERPOLATE VAR_BASE_GLOBAL,BGL_TICK18,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_1 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL, (offset gate_2_tick18_mod_2 - offset gate_local_varbase_2)
BGL_INTERPOLATE VAR_BASE_LOCAL,0h,\
VAR_BASE_LOCAL,4h,\
VAR_BASE_LOCAL, (offset gate_2_float_convert_hi - offset gate_local_varbase_2)
SETWRD 2h, 0

LOCAL_BASE_32 gate_local_varbase_2
BGL_ANIMATE_INDIRECT VAR_BASE_LOCAL,2h,VAR_BASE_LOCAL,(offset gate_quat_2_3_d - offset gate_local_varbase_2),47

bgl_animation_command_end_47 label word

animation_commands_riff_end label byte

scene_graph_riff_start label byte
    db 'S','C','E','N'
    dd scene_graph_riff_end - $ - 4

dw 48
bgl_scene_graph_entry_0 label byte
BGL_SCENEGRAPH_ENTRY 0, -1, 1, bgl_animation_command_end_0 - bgl_animation_command_start_0, bgl_animation_command_start_0 - bgl_scene_graph_entry_0
bgl_scene_graph_entry_1 label byte
BGL_SCENEGRAPH_ENTRY 1, 2, 3, bgl_animation_command_end_1 - bgl_animation_command_start_1, bgl_animation_command_start_1 - bgl_scene_graph_entry_1
bgl_scene_graph_entry_2 label byte
BGL_SCENEGRAPH_ENTRY 2, -1, -1, bgl_animation_command_end_2 - bgl_animation_command_start_2, bgl_animation_command_start_2 - bgl_scene_graph_entry_2
bgl_scene_graph_entry_3 label byte
BGL_SCENEGRAPH_ENTRY 3, -1, 4, bgl_animation_command_end_3 - bgl_animation_command_start_3, bgl_animation_command_start_3 - bgl_scene_graph_entry_3
bgl_scene_graph_entry_4 label byte
BGL_SCENEGRAPH_ENTRY 4, -1, 5, bgl_animation_command_end_4 - bgl_animation_command_start_4, bgl_animation_command_start_4 - bgl_scene_graph_entry_4
bgl_scene_graph_entry_5 label byte
BGL_SCENEGRAPH_ENTRY 5, 6, 7, bgl_animation_command_end_5 - bgl_animation_command_start_5, bgl_animation_command_start_5 - bgl_scene_graph_entry_5
bgl_scene_graph_entry_6 label byte
BGL_SCENEGRAPH_ENTRY 6, -1, -1, bgl_animation_command_end_6 - bgl_animation_command_start_6, bgl_animation_command_start_6 - bgl_scene_graph_entry_6
bgl_scene_graph_entry_7 label byte
BGL_SCENEGRAPH_ENTRY 7, -1, 8, bgl_animation_command_end_7 - bgl_animation_command_start_7, bgl_animation_command_start_7 - bgl_scene_graph_entry_7
bgl_scene_graph_entry_8 label byte
BGL_SCENEGRAPH_ENTRY 8, -1, 9, bgl_animation_command_end_8 - bgl_animation_command_start_8, bgl_animation_command_start_8 - bgl_scene_graph_entry_8
bgl_scene_graph_entry_9 label byte
BGL_SCENEGRAPH_ENTRY 9, 10, 11, bgl_animation_command_end_9 - bgl_animation_command_start_9, bgl_animation_command_start_9 - bgl_scene_graph_entry_9
bgl_scene_graph_entry_10 label byte
BGL_SCENEGRAPH_ENTRY 10, -1, -1, bgl_animation_command_end_10 - bgl_animation_command_start_10, bgl_animation_command_start_10 - bgl_scene_graph_entry_10
bgl_scene_graph_entry_11 label byte
BGL_SCENEGRAPH_ENTRY 11, -1, 12, bgl_animation_command_end_11 - bgl_animation_command_start_11, bgl_animation_command_start_11 - bgl_scene_graph_entry_11
bgl_scene_graph_entry_12 label byte
BGL_SCENEGRAPH_ENTRY 12, -1, 13, bgl_animation_command_end_12 - bgl_animation_command_start_12, bgl_animation_command_start_12 - bgl_scene_graph_entry_12
bgl_scene_graph_entry_13 label byte
BGL_SCENEGRAPH_ENTRY 13, 14, 15, bgl_animation_command_end_13 - bgl_animation_command_start_13, bgl_animation_command_start_13 - bgl_scene_graph_entry_13
bgl_scene_graph_entry_14 label byte
BGL_SCENEGRAPH_ENTRY 14, -1, -1, bgl_animation_command_end_14 - bgl_animation_command_start_14, bgl_animation_command_start_14 - bgl_scene_graph_entry_14
bgl_scene_graph_entry_15 label byte
BGL_SCENEGRAPH_ENTRY 15, -1, 16, bgl_animation_command_end_15 - bgl_animation_command_start_15, bgl_animation_command_start_15 - bgl_scene_graph_entry_15
bgl_scene_graph_entry_16 label byte
BGL_SCENEGRAPH_ENTRY 16, -1, 17, bgl_animation_command_end_16 - bgl_animation_command_start_16, bgl_animation_command_start_16 - bgl_scene_graph_entry_16
bgl_scene_graph_entry_17 label byte
BGL_SCENEGRAPH_ENTRY 17, 18, 19, bgl_animation_command_end_17 - bgl_animation_command_start_17, bgl_animation_command_start_17 - bgl_scene_graph_entry_17
bgl_scene_graph_entry_18 label byte
BGL_SCENEGRAPH_ENTRY 18, -1, -1, bgl_animation_command_end_18 - bgl_animation_command_start_18, bgl_animation_command_start_18 - bgl_scene_graph_entry_18
bgl_scene_graph_entry_19 label byte
BGL_SCENEGRAPH_ENTRY 19, -1, 20, bgl_animation_command_end_19 - bgl_animation_command_start_19, bgl_animation_command_start_19 - bgl_scene_graph_entry_19
bgl_scene_graph_entry_20 label byte
BGL_SCENEGRAPH_ENTRY 20, -1, 21, bgl_animation_command_end_20 - bgl_animation_command_start_20, bgl_animation_command_start_20 - bgl_scene_graph_entry_20
bgl_scene_graph_entry_21 label byte
BGL_SCENEGRAPH_ENTRY 21, 22, 23, bgl_animation_command_end_21 - bgl_animation_command_start_21, bgl_animation_command_start_21 - bgl_scene_graph_entry_21
bgl_scene_graph_entry_22 label byte
BGL_SCENEGRAPH_ENTRY 22, -1, -1, bgl_animation_command_end_22 - bgl_animation_command_start_22, bgl_animation_command_start_22 - bgl_scene_graph_entry_22
bgl_scene_graph_entry_23 label byte
BGL_SCENEGRAPH_ENTRY 23, -1, 24, bgl_animation_command_end_23 - bgl_animation_command_start_23, bgl_animation_command_start_23 - bgl_scene_graph_entry_23
bgl_scene_graph_entry_24 label byte
BGL_SCENEGRAPH_ENTRY 24, -1, 25, bgl_animation_command_end_24 - bgl_animation_command_start_24, bgl_animation_command_start_24 - bgl_scene_graph_entry_24
bgl_scene_graph_entry_25 label byte
BGL_SCENEGRAPH_ENTRY 25, 26, 27, bgl_animation_command_end_25 - bgl_animation_command_start_25, bgl_animation_command_start_25 - bgl_scene_graph_entry_25
bgl_scene_graph_entry_26 label byte
BGL_SCENEGRAPH_ENTRY 26, -1, -1, bgl_animation_command_end_26 - bgl_animation_command_start_26, bgl_animation_command_start_26 - bgl_scene_graph_entry_26
bgl_scene_graph_entry_27 label byte
BGL_SCENEGRAPH_ENTRY 27, -1, 28, bgl_animation_command_end_27 - bgl_animation_command_start_27, bgl_animation_command_start_27 - bgl_scene_graph_entry_27
bgl_scene_graph_entry_28 label byte
BGL_SCENEGRAPH_ENTRY 28, -1, 29, bgl_animation_command_end_28 - bgl_animation_command_start_28, bgl_animation_command_start_28 - bgl_scene_graph_entry_28
bgl_scene_graph_entry_29 label byte
BGL_SCENEGRAPH_ENTRY 29, 30, 31, bgl_animation_command_end_29 - bgl_animation_command_start_29, bgl_animation_command_start_29 - bgl_scene_graph_entry_29
bgl_scene_graph_entry_30 label byte
BGL_SCENEGRAPH_ENTRY 30, -1, -1, bgl_animation_command_end_30 - bgl_animation_command_start_30, bgl_animation_command_start_30 - bgl_scene_graph_entry_30
bgl_scene_graph_entry_31 label byte
BGL_SCENEGRAPH_ENTRY 31, -1, 32, bgl_animation_command_end_31 - bgl_animation_command_start_31, bgl_animation_command_start_31 - bgl_scene_graph_entry_31
bgl_scene_graph_entry_32 label byte
BGL_SCENEGRAPH_ENTRY 32, -1, 33, bgl_animation_command_end_32 - bgl_animation_command_start_32, bgl_animation_command_start_32 - bgl_scene_graph_entry_32
bgl_scene_graph_entry_33 label byte
BGL_SCENEGRAPH_ENTRY 33, 34, 35, bgl_animation_command_end_33 - bgl_animation_command_start_33, bgl_animation_command_start_33 - bgl_scene_graph_entry_33
bgl_scene_graph_entry_34 label byte
BGL_SCENEGRAPH_ENTRY 34, -1, -1, bgl_animation_command_end_34 - bgl_animation_command_start_34, bgl_animation_command_start_34 - bgl_scene_graph_entry_34
bgl_scene_graph_entry_35 label byte
BGL_SCENEGRAPH_ENTRY 35, -1, 36, bgl_animation_command_end_35 - bgl_animation_command_start_35, bgl_animation_command_start_35 - bgl_scene_graph_entry_35
bgl_scene_graph_entry_36 label byte
BGL_SCENEGRAPH_ENTRY 36, -1, 37, bgl_animation_command_end_36 - bgl_animation_command_start_36, bgl_animation_command_start_36 - bgl_scene_graph_entry_36
bgl_scene_graph_entry_37 label byte
BGL_SCENEGRAPH_ENTRY 37, 38, 39, bgl_animation_command_end_37 - bgl_animation_command_start_37, bgl_animation_command_start_37 - bgl_scene_graph_entry_37
bgl_scene_graph_entry_38 label byte
BGL_SCENEGRAPH_ENTRY 38, -1, -1, bgl_animation_command_end_38 - bgl_animation_command_start_38, bgl_animation_command_start_38 - bgl_scene_graph_entry_38
bgl_scene_graph_entry_39 label byte
BGL_SCENEGRAPH_ENTRY 39, -1, 40, bgl_animation_command_end_39 - bgl_animation_command_start_39, bgl_animation_command_start_39 - bgl_scene_graph_entry_39
bgl_scene_graph_entry_40 label byte
BGL_SCENEGRAPH_ENTRY 40, -1, 41, bgl_animation_command_end_40 - bgl_animation_command_start_40, bgl_animation_command_start_40 - bgl_scene_graph_entry_40
bgl_scene_graph_entry_41 label byte
BGL_SCENEGRAPH_ENTRY 41, 42, 43, bgl_animation_command_end_41 - bgl_animation_command_start_41, bgl_animation_command_start_41 - bgl_scene_graph_entry_41
bgl_scene_graph_entry_42 label byte
BGL_SCENEGRAPH_ENTRY 42, -1, -1, bgl_animation_command_end_42 - bgl_animation_command_start_42, bgl_animation_command_start_42 - bgl_scene_graph_entry_42
bgl_scene_graph_entry_43 label byte
BGL_SCENEGRAPH_ENTRY 43, -1, 44, bgl_animation_command_end_43 - bgl_animation_command_start_43, bgl_animation_command_start_43 - bgl_scene_graph_entry_43
bgl_scene_graph_entry_44 label byte
BGL_SCENEGRAPH_ENTRY 44, -1, 45, bgl_animation_command_end_44 - bgl_animation_command_start_44, bgl_animation_command_start_44 - bgl_scene_graph_entry_44
bgl_scene_graph_entry_45 label byte
BGL_SCENEGRAPH_ENTRY 45, 46, 47, bgl_animation_command_end_45 - bgl_animation_command_start_45, bgl_animation_command_start_45 - bgl_scene_graph_entry_45
bgl_scene_graph_entry_46 label byte
BGL_SCENEGRAPH_ENTRY 46, -1, -1, bgl_animation_command_end_46 - bgl_animation_command_start_46, bgl_animation_command_start_46 - bgl_scene_graph_entry_46
bgl_scene_graph_entry_47 label byte
BGL_SCENEGRAPH_ENTRY 47, -1, -1, bgl_animation_command_end_47 - bgl_animation_command_start_47, bgl_animation_command_start_47 - bgl_scene_graph_entry_47
scene_graph_riff_end label byte

bgl_riff_start label byte
    db 'B','G','L',' '
    dd bgl_riff_end - $ - 4
gate_MasterScale_1 label BGLCODE

LOCAL_BASE_32 gate_local_varbase_1
IFIN1 at_1, 6h, 1, 1
  IFIN1 at_1, 0h, 0, 3
    SETWRD 6h, 2
at_1 label word
IFIN1 at_2, 6h, 4, 4
  IFIN1 at_2, 0h, 0, 3
    SETWRD 6h, 5
at_2 label word
IFIN1 at_3, 6h, 2, 2
  IFIN1 at_3, 0h, 97, 100
    SETWRD 6h, 3
at_3 label word
IFIN1 at_4, 6h, 5, 5
  IFIN1 at_4, 0h, 97, 100
    SETWRD 6h, 0
at_4 label word

VAR_BASE_OVERRIDE 0
IFIN1 at_5, 0282h, 1, 1
  IFIN1 at_6, 6h, 0, 0
    SETWRD 6h, 1
  at_6 label word
  BGL_JUMP_32 at_8
at_5 label word
  IFIN1 at_7, 6h, 3, 3
    SETWRD 6h, 4
  at_7 label word
at_8 label word
BGL_JUMP_32 at_10
at_9 label word
SETWRD 6h, 0
at_10 label word

    BGL_BEGIN 0800h
LOCAL_BASE_32 gate_local_varbase_1
VAR_BASE_OVERRIDE 0
IFIN1 gate_0_1, 0312h, 1, 1
IFIN1 gate_0_1_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 0
BGL_JUMP_32 gate_0_cont
gate_0_1_1 label word
IFIN1 gate_0_1_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 4
BGL_JUMP_32 gate_0_cont
gate_0_1_2 label word
IFIN1 gate_0_1_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 8
BGL_JUMP_32 gate_0_cont
gate_0_1_3 label word
IFIN1 gate_0_1_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 12
BGL_JUMP_32 gate_0_cont
gate_0_1_4 label word
gate_0_1 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_0_2, 0312h, 2, 2
IFIN1 gate_0_2_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 16
BGL_JUMP_32 gate_0_cont
gate_0_2_1 label word
IFIN1 gate_0_2_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 20
BGL_JUMP_32 gate_0_cont
gate_0_2_2 label word
IFIN1 gate_0_2_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 24
BGL_JUMP_32 gate_0_cont
gate_0_2_3 label word
IFIN1 gate_0_2_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 28
BGL_JUMP_32 gate_0_cont
gate_0_2_4 label word
gate_0_2 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_0_3, 0312h, 3, 3
IFIN1 gate_0_3_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 32
BGL_JUMP_32 gate_0_cont
gate_0_3_1 label word
IFIN1 gate_0_3_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 36
BGL_JUMP_32 gate_0_cont
gate_0_3_2 label word
IFIN1 gate_0_3_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 40
BGL_JUMP_32 gate_0_cont
gate_0_3_3 label word
IFIN1 gate_0_3_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 44
BGL_JUMP_32 gate_0_cont
gate_0_3_4 label word
gate_0_3 label word
gate_0_fail label word
BGL_SET_MATRIX_INDIRECT 0
gate_0_cont label word

    BGL_MATERIAL 0, 0
    BGL_DRAW_TRILIST 0, 24, 36
LOCAL_BASE_32 gate_local_varbase_1
VAR_BASE_OVERRIDE 0
IFIN1 gate_1_1, 0312h, 1, 1
IFIN1 gate_1_1_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 1
BGL_JUMP_32 gate_1_cont
gate_1_1_1 label word
IFIN1 gate_1_1_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 5
BGL_JUMP_32 gate_1_cont
gate_1_1_2 label word
IFIN1 gate_1_1_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 9
BGL_JUMP_32 gate_1_cont
gate_1_1_3 label word
IFIN1 gate_1_1_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 13
BGL_JUMP_32 gate_1_cont
gate_1_1_4 label word
gate_1_1 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_1_2, 0312h, 2, 2
IFIN1 gate_1_2_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 17
BGL_JUMP_32 gate_1_cont
gate_1_2_1 label word
IFIN1 gate_1_2_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 21
BGL_JUMP_32 gate_1_cont
gate_1_2_2 label word
IFIN1 gate_1_2_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 25
BGL_JUMP_32 gate_1_cont
gate_1_2_3 label word
IFIN1 gate_1_2_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 29
BGL_JUMP_32 gate_1_cont
gate_1_2_4 label word
gate_1_2 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_1_3, 0312h, 3, 3
IFIN1 gate_1_3_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 33
BGL_JUMP_32 gate_1_cont
gate_1_3_1 label word
IFIN1 gate_1_3_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 37
BGL_JUMP_32 gate_1_cont
gate_1_3_2 label word
IFIN1 gate_1_3_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 41
BGL_JUMP_32 gate_1_cont
gate_1_3_3 label word
IFIN1 gate_1_3_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 45
BGL_JUMP_32 gate_1_cont
gate_1_3_4 label word
gate_1_3 label word
gate_1_fail label word
BGL_SET_MATRIX_INDIRECT 1
gate_1_cont label word

    BGL_DRAW_TRILIST 24, 8, 12
LOCAL_BASE_32 gate_local_varbase_1
VAR_BASE_OVERRIDE 0
IFIN1 gate_2_1, 0312h, 1, 1
IFIN1 gate_2_1_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 2
BGL_JUMP_32 gate_2_cont
gate_2_1_1 label word
IFIN1 gate_2_1_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 6
BGL_JUMP_32 gate_2_cont
gate_2_1_2 label word
IFIN1 gate_2_1_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 10
BGL_JUMP_32 gate_2_cont
gate_2_1_3 label word
IFIN1 gate_2_1_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 14
BGL_JUMP_32 gate_2_cont
gate_2_1_4 label word
gate_2_1 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_2_2, 0312h, 2, 2
IFIN1 gate_2_2_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 18
BGL_JUMP_32 gate_2_cont
gate_2_2_1 label word
IFIN1 gate_2_2_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 22
BGL_JUMP_32 gate_2_cont
gate_2_2_2 label word
IFIN1 gate_2_2_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 26
BGL_JUMP_32 gate_2_cont
gate_2_2_3 label word
IFIN1 gate_2_2_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 30
BGL_JUMP_32 gate_2_cont
gate_2_2_4 label word
gate_2_2 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_2_3, 0312h, 3, 3
IFIN1 gate_2_3_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 34
BGL_JUMP_32 gate_2_cont
gate_2_3_1 label word
IFIN1 gate_2_3_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 38
BGL_JUMP_32 gate_2_cont
gate_2_3_2 label word
IFIN1 gate_2_3_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 42
BGL_JUMP_32 gate_2_cont
gate_2_3_3 label word
IFIN1 gate_2_3_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 46
BGL_JUMP_32 gate_2_cont
gate_2_3_4 label word
gate_2_3 label word
gate_2_fail label word
BGL_SET_MATRIX_INDIRECT 2
gate_2_cont label word

    BGL_DRAW_TRILIST 32, 16, 24
LOCAL_BASE_32 gate_local_varbase_1
VAR_BASE_OVERRIDE 0
IFIN1 gate_3_1, 0312h, 1, 1
IFIN1 gate_3_1_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 3
BGL_JUMP_32 gate_3_cont
gate_3_1_1 label word
IFIN1 gate_3_1_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 7
BGL_JUMP_32 gate_3_cont
gate_3_1_2 label word
IFIN1 gate_3_1_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 11
BGL_JUMP_32 gate_3_cont
gate_3_1_3 label word
IFIN1 gate_3_1_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 15
BGL_JUMP_32 gate_3_cont
gate_3_1_4 label word
gate_3_1 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_3_2, 0312h, 2, 2
IFIN1 gate_3_2_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 19
BGL_JUMP_32 gate_3_cont
gate_3_2_1 label word
IFIN1 gate_3_2_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 23
BGL_JUMP_32 gate_3_cont
gate_3_2_2 label word
IFIN1 gate_3_2_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 27
BGL_JUMP_32 gate_3_cont
gate_3_2_3 label word
IFIN1 gate_3_2_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 31
BGL_JUMP_32 gate_3_cont
gate_3_2_4 label word
gate_3_2 label word
VAR_BASE_OVERRIDE 0
IFIN1 gate_3_3, 0312h, 3, 3
IFIN1 gate_3_3_1, 6, 0, 1
BGL_SET_MATRIX_INDIRECT 35
BGL_JUMP_32 gate_3_cont
gate_3_3_1 label word
IFIN1 gate_3_3_2, 6, 2, 2
BGL_SET_MATRIX_INDIRECT 39
BGL_JUMP_32 gate_3_cont
gate_3_3_2 label word
IFIN1 gate_3_3_3, 6, 5, 5
BGL_SET_MATRIX_INDIRECT 43
BGL_JUMP_32 gate_3_cont
gate_3_3_3 label word
IFIN1 gate_3_3_4, 6, 3, 4
BGL_SET_MATRIX_INDIRECT 47
BGL_JUMP_32 gate_3_cont
gate_3_3_4 label word
gate_3_3 label word
gate_3_fail label word
BGL_SET_MATRIX_INDIRECT 3
gate_3_cont label word

    BGL_MATERIAL 0, 1
    BGL_DRAW_TRILIST 48, 4, 6
    BGL_END
    BGL_RETURN
bgl_riff_end label byte

gate_riff_end label byte

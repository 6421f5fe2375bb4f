<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="zh_CN">
<context>
    <name>QRNLocalizedString</name>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>h</translation>
    </message>
    <message>
        <source>百度</source>
        <translation>Baidu</translation>
    </message>
    <message>
        <source>知道了</source>
        <translation>Entendido</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>系统错误</source>
        <translation>Error del sistema</translation>
    </message>
    <message>
        <source>自动检测</source>
        <translation>Detectar automáticamente</translation>
    </message>
    <message>
        <source>请检查网络</source>
        <translation>Comprueba la conexión de red</translation>
    </message>
    <message>
        <source>谷歌</source>
        <translation>Google</translation>
    </message>
    <message>
        <source>雅虎</source>
        <translation>Yahoo</translation>
    </message>
    <message>
        <source>鼠标设置</source>
        <translation>Ajustes del ratón</translation>
    </message>
    <message>
        <source>智能设置</source>
        <translation>Ajustes inteligentes</translation>
    </message>
    <message>
        <source>软件设置</source>
        <translation>Software</translation>
    </message>
    <message>
        <source>个性化设置</source>
        <translation>Personalización</translation>
    </message>
    <message>
        <source>偏好设置</source>
        <translation>Preferencias</translation>
    </message>
    <message>
        <source>智笔设置</source>
        <translation>Ajustes del puntero</translation>
    </message>
    <message>
        <source>打开主界面</source>
        <translation>Abrir ventana principal</translation>
    </message>
    <message>
        <source>使用引导</source>
        <translation>Guía de inicio</translation>
    </message>
    <message>
        <source>权限设置</source>
        <translation>Permisos</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>未检测到设备</source>
        <translation>No se detecta ningún dispositivo</translation>
    </message>
    <message>
        <source>请将接收器插入电脑的USB接口，或通过蓝牙连接鼠标</source>
        <translation>Conecte el receptor a un puerto USB del ordenador o conecte el ratón por Bluetooth</translation>
    </message>
    <message>
        <source>设备连接后将自动打开设置界面</source>
        <translation>Los ajustes se abrirán solos cuando el dispositivo esté conectado</translation>
    </message>
    <message>
        <source>电量低，请充电</source>
        <translation>Batería baja, cárguela</translation>
    </message>
    <message>
        <source>界面语言</source>
        <translation>Idioma de la interfaz</translation>
    </message>
    <message>
        <source>开机自启动</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Error al aplicar el ajuste</translation>
    </message>
    <message>
        <source>以下各项决定哪些功能可以使用</source>
        <translation>Estos elementos determinan qué funciones se pueden usar</translation>
    </message>
    <message>
        <source>设备访问</source>
        <translation>Acceso al dispositivo</translation>
    </message>
    <message>
        <source>读写接收器的 HID 设备节点，用于连接设备、接收按键和语音</source>
        <translation>Leer y escribir los nodos HID del receptor para conectar el dispositivo y recibir sus teclas y su voz</translation>
    </message>
    <message>
        <source>安装随程序提供的 udev 规则，然后重新插入接收器：</source>
        <translation>Instale la regla udev incluida con el programa y vuelva a conectar el receptor:</translation>
    </message>
    <message>
        <source>辅助功能</source>
        <translation>Accesibilidad</translation>
    </message>
    <message>
        <source>桌面辅助功能总线（AT-SPI），用于将识别的文字直接写入输入框</source>
        <translation>El bus de accesibilidad del escritorio (AT-SPI), para escribir el texto reconocido directamente en los campos</translation>
    </message>
    <message>
        <source>请安装 at-spi2-core 并在系统设置中开启辅助功能，然后重新登录</source>
        <translation>Instale at-spi2-core, active la accesibilidad en los ajustes del sistema y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>X11 会话</source>
        <translation>Sesión X11</translation>
    </message>
    <message>
        <source>全局快捷键、模拟按键、输入监听和截图需要 X11 会话</source>
        <translation>Los atajos globales, las teclas simuladas, la supervisión de entrada y las capturas necesitan una sesión X11</translation>
    </message>
    <message>
        <source>请在登录界面选择 X11（Xorg）会话</source>
        <translation>Elija la sesión X11 (Xorg) en la pantalla de inicio de sesión</translation>
    </message>
    <message>
        <source>受限</source>
        <translation>Limitado</translation>
    </message>
    <message>
        <source>Wayland 会话中，模拟按键、全局快捷键、输入监听和截图只对 XWayland 窗口有效，对原生 Wayland 窗口无效；如需全部功能，请在登录界面选择 X11（Xorg）会话</source>
        <translation>En una sesión Wayland, las teclas simuladas, los atajos globales, la supervisión de entrada y las capturas solo funcionan con ventanas XWayland, no con ventanas Wayland nativas; para todas las funciones, elija la sesión X11 (Xorg) en la pantalla de inicio de sesión</translation>
    </message>
    <message>
        <source>已授权</source>
        <translation>Concedido</translation>
    </message>
    <message>
        <source>未授权</source>
        <translation>No concedido</translation>
    </message>
    <message>
        <source>未检测到接收器</source>
        <translation>No se encontró ningún receptor</translation>
    </message>
    <message>
        <source>检测中</source>
        <translation>Comprobando</translation>
    </message>
    <message>
        <source>复制命令</source>
        <translation>Copiar comando</translation>
    </message>
    <message>
        <source>已复制</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>重新检测</source>
        <translation>Volver a comprobar</translation>
    </message>
    <message>
        <source>辅助设置</source>
        <translation>Ajustes auxiliares</translation>
    </message>
    <message>
        <source>部分设置无法读取，已恢复为默认值</source>
        <translation>No se pudieron leer algunos ajustes y se restablecieron a sus valores predeterminados</translation>
    </message>
    <message>
        <source>原设置文件已另存为：</source>
        <translation>El archivo de ajustes original se guardó como: </translation>
    </message>
    <message>
        <source>录音失败，请检查麦克风</source>
        <translation>Error al grabar, comprueba el micrófono</translation>
    </message>
    <message>
        <source>点击太快了</source>
        <translation>Pulsado demasiado rápido</translation>
    </message>
    <message>
        <source>请说话...</source>
        <translation>Hable, por favor...</translation>
    </message>
    <message>
        <source>没有听到您说话，请按语音键重说</source>
        <translation>No se ha oído nada. Pulse la tecla de voz y vuelva a hablar</translation>
    </message>
    <message>
        <source>切换到打字模式</source>
        <translation>Cambiado al modo de escritura</translation>
    </message>
    <message>
        <source>切换到翻译模式</source>
        <translation>Cambiado al modo de traducción</translation>
    </message>
    <message>
        <source>连接服务器失败,请检查网络</source>
        <translation>No se pudo conectar con el servidor, compruebe la red</translation>
    </message>
    <message>
        <source>读取音频文件失败</source>
        <translation>No se pudo leer el archivo de audio</translation>
    </message>
    <message>
        <source>无法播放回答中的音频</source>
        <translation>No se puede reproducir el audio de la respuesta</translation>
    </message>
    <message>
        <source>粘贴失败</source>
        <translation>No se pudo pegar</translation>
    </message>
    <message>
        <source>翻译失败</source>
        <translation>La traducción falló</translation>
    </message>
    <message>
        <source>无法朗读：没有语音引擎或声音输出设备</source>
        <translation>No se puede leer en voz alta: no hay motor de voz ni dispositivo de salida de sonido</translation>
    </message>
    <message>
        <source>无法播放音频</source>
        <translation>No se puede reproducir el audio</translation>
    </message>
    <message>
        <source>无法打开浏览器</source>
        <translation>No se puede abrir el navegador</translation>
    </message>
    <message>
        <source>未获取到选中的文字</source>
        <translation>No se obtuvo texto seleccionado</translation>
    </message>
    <message>
        <source>复制成功</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>复制失败</source>
        <translation>Error al copiar</translation>
    </message>
    <message>
        <source>识别结果</source>
        <translation>Texto reconocido</translation>
    </message>
    <message>
        <source>划词翻译</source>
        <translation>Traducir selección</translation>
    </message>
    <message>
        <source>快捷键</source>
        <translation>Atajo</translation>
    </message>
    <message>
        <source>截图翻译</source>
        <translation>Traducir captura</translation>
    </message>
    <message>
        <source>截图快捷键已被其他程序占用</source>
        <translation>Otro programa usa el atajo de captura</translation>
    </message>
    <message>
        <source>保存失败</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>截图失败</source>
        <translation>Error en la captura de pantalla</translation>
    </message>
    <message>
        <source>AI窗口无法打开</source>
        <translation>No se puede abrir la ventana de IA</translation>
    </message>
    <message>
        <source>设备未连接</source>
        <translation>Dispositivo no conectado</translation>
    </message>
    <message>
        <source>打开失败</source>
        <translation>No se pudo abrir</translation>
    </message>
    <message>
        <source>已下载%1%</source>
        <translation>Descargado %1%</translation>
    </message>
    <message>
        <source>下载完成</source>
        <translation>Descarga completada</translation>
    </message>
    <message>
        <source>导出完成</source>
        <translation>Exportación completada</translation>
    </message>
    <message>
        <source>下载失败，error=%1</source>
        <translation>Error de descarga, error=%1</translation>
    </message>
    <message>
        <source>导出失败，error=%1</source>
        <translation>Error de exportación, error=%1</translation>
    </message>
    <message>
        <source>Esc 键已被其他程序占用，请点击效果后按 Esc 退出</source>
        <translation>Esc está en uso por otro programa; haga clic en el efecto y pulse Esc para salir</translation>
    </message>
    <message>
        <source>无法读取屏幕画面</source>
        <translation>No se puede leer la pantalla</translation>
    </message>
    <message>
        <source>硬激光</source>
        <translation>Láser físico</translation>
    </message>
    <message>
        <source>突出显示</source>
        <translation>Resaltar</translation>
    </message>
    <message>
        <source>数码光点</source>
        <translation>Punto de luz digital</translation>
    </message>
    <message>
        <source>放大镜</source>
        <translation>Lupa</translation>
    </message>
    <message>
        <source>画笔</source>
        <translation>Lápiz</translation>
    </message>
    <message>
        <source>切换到投屏模式</source>
        <translation>Cambiado al modo de proyección</translation>
    </message>
    <message>
        <source>倒计时和警告</source>
        <translation>Cuenta atrás y aviso</translation>
    </message>
    <message>
        <source>15分钟</source>
        <translation>15 minutos</translation>
    </message>
    <message>
        <source>30分钟</source>
        <translation>30 minutos</translation>
    </message>
    <message>
        <source>60分钟</source>
        <translation>60 minutos</translation>
    </message>
    <message>
        <source>自定义倒计时长</source>
        <translation>Duración personalizada (minutos)</translation>
    </message>
    <message>
        <source>语音键功能</source>
        <translation>Función de la tecla de voz</translation>
    </message>
    <message>
        <source>麦克风</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>语音打字</source>
        <translation>Escritura por voz</translation>
    </message>
    <message>
        <source>语音翻译</source>
        <translation>Traducción por voz</translation>
    </message>
    <message>
        <source>语音搜索</source>
        <translation>Búsqueda por voz</translation>
    </message>
    <message>
        <source>切换到麦克风模式</source>
        <translation>Cambiado al modo micrófono</translation>
    </message>
    <message>
        <source>切换到搜索模式</source>
        <translation>Cambiado al modo búsqueda</translation>
    </message>
    <message>
        <source>输入设置</source>
        <translation>Ajustes de entrada</translation>
    </message>
    <message>
        <source>识别带标点</source>
        <translation>Reconocer con puntuación</translation>
    </message>
    <message>
        <source>打字兼容模式</source>
        <translation>Modo de escritura compatible</translation>
    </message>
    <message>
        <source>长语音识别</source>
        <translation>Reconocimiento de voz larga</translation>
    </message>
    <message>
        <source>输入语种</source>
        <translation>Idioma de entrada</translation>
    </message>
    <message>
        <source>语音打字快捷键</source>
        <translation>Atajo de escritura por voz</translation>
    </message>
    <message>
        <source>语音翻译快捷键</source>
        <translation>Atajo de traducción por voz</translation>
    </message>
    <message>
        <source>语音搜索快捷键</source>
        <translation>Atajo de búsqueda por voz</translation>
    </message>
    <message>
        <source>翻译设置</source>
        <translation>Ajustes de traducción</translation>
    </message>
    <message>
        <source>翻译语种</source>
        <translation>Idiomas de traducción</translation>
    </message>
    <message>
        <source>语音搜索引擎</source>
        <translation>Motor de búsqueda por voz</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>手机号/邮箱</source>
        <translation>Teléfono/correo</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>信息不能为空</source>
        <translation>La información no puede estar vacía</translation>
    </message>
    <message>
        <source>请填写手机号/邮箱</source>
        <translation>Introduzca su número de teléfono o correo</translation>
    </message>
    <message>
        <source>请填写密码</source>
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>记住密码</source>
        <translation>Recordar contraseña</translation>
    </message>
    <message>
        <source>忘记密码</source>
        <translation>He olvidado la contraseña</translation>
    </message>
    <message>
        <source>登录</source>
        <translation>Iniciar sesión</translation>
    </message>
    <message>
        <source>注册</source>
        <translation>Registrarse</translation>
    </message>
    <message>
        <source>登录成功</source>
        <translation>Sesión iniciada</translation>
    </message>
    <message>
        <source>登录失败</source>
        <translation>Error al iniciar sesión</translation>
    </message>
    <message>
        <source>验证码</source>
        <translation>Código de verificación</translation>
    </message>
    <message>
        <source>再次输入密码</source>
        <translation>Repita la contraseña</translation>
    </message>
    <message>
        <source>我已阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>He leído y acepto la &lt;&lt;Política de privacidad de Corvane&gt;&gt; y el &lt;&lt;Acuerdo de servicio de usuario de Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请先阅读并同意&lt;&lt;Corvane隐私政策&gt;&gt;及&lt;&lt;Corvane用户服务协议&gt;&gt;</source>
        <translation>Lea y acepte primero la &lt;&lt;Política de privacidad de Corvane&gt;&gt; y el &lt;&lt;Acuerdo de servicio de usuario de Corvane&gt;&gt;</translation>
    </message>
    <message>
        <source>请填写验证码</source>
        <translation>Introduzca el código de verificación</translation>
    </message>
    <message>
        <source>请填写确认密码</source>
        <translation>Confirme la contraseña</translation>
    </message>
    <message>
        <source>两次输入密码不一致</source>
        <translation>Las contraseñas no coinciden</translation>
    </message>
    <message>
        <source>获取验证码失败</source>
        <translation>No se pudo obtener el código de verificación</translation>
    </message>
    <message>
        <source>注册失败</source>
        <translation>Error en el registro</translation>
    </message>
    <message>
        <source>找回秘密</source>
        <translation>Restablecer contraseña</translation>
    </message>
    <message>
        <source>修改密码成功</source>
        <translation>Contraseña cambiada</translation>
    </message>
    <message>
        <source>修改密码失败</source>
        <translation>No se pudo cambiar la contraseña</translation>
    </message>
    <message>
        <source>发送验证码</source>
        <translation>Enviar código</translation>
    </message>
    <message>
        <source>s后重新获取</source>
        <translation>s para reenviar</translation>
    </message>
    <message>
        <source>请先登录</source>
        <translation>Inicie sesión</translation>
    </message>
    <message>
        <source>位置</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>请输入内容</source>
        <translation>Escriba su pregunta</translation>
    </message>
    <message>
        <source>正在生成中。。。</source>
        <translation>Generando…</translation>
    </message>
    <message>
        <source>充值</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>到期时间</source>
        <translation>Caduca</translation>
    </message>
    <message>
        <source>获取用户信息失败</source>
        <translation>No se pudo obtener la información del usuario</translation>
    </message>
    <message>
        <source>指令词</source>
        <translation>Palabras de comando</translation>
    </message>
    <message>
        <source>热词</source>
        <translation>Palabras clave</translation>
    </message>
    <message>
        <source>添加指令</source>
        <translation>Añadir comando</translation>
    </message>
    <message>
        <source>确定要删除语音指令‘%1’？</source>
        <translation>¿Eliminar el comando de voz "%1"?</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>删除后该语音指令将失效！</source>
        <translation>¡El comando de voz dejará de funcionar al eliminarlo!</translation>
    </message>
    <message>
        <source>删除失败</source>
        <translation>Error al eliminar</translation>
    </message>
    <message>
        <source>点击此处添加热词,每行一个</source>
        <translation>Haga clic aquí para añadir palabras clave, una por línea</translation>
    </message>
    <message>
        <source>创建</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>创建失败</source>
        <translation>Error al crear</translation>
    </message>
    <message>
        <source>添加个性化指令</source>
        <translation>Añadir comando personalizado</translation>
    </message>
    <message>
        <source>类型</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>执行路径</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>文件夹</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>网页</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>固定文本</source>
        <translation>Texto fijo</translation>
    </message>
    <message>
        <source>请填写完整后再创建</source>
        <translation>Complete el formulario antes de crear</translation>
    </message>
    <message>
        <source>指令词已存在</source>
        <translation>La palabra de comando ya existe</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>No se encuentra el archivo o la carpeta</translation>
    </message>
    <message>
        <source>请重新填写完整后再创建</source>
        <translation>Vuelva a completar el formulario antes de crear</translation>
    </message>
    <message>
        <source>编辑失败</source>
        <translation>Error al editar</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>请输入音频路径…</source>
        <translation>Introduce la ruta del archivo de audio…</translation>
    </message>
    <message>
        <source>浏览</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>默认存储路径为</source>
        <translation>Ubicación predeterminada: </translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>开始转写</source>
        <translation>Iniciar transcripción</translation>
    </message>
    <message>
        <source>正在转写,请稍后...</source>
        <translation>Transcribiendo, espera...</translation>
    </message>
    <message>
        <source>模式选择</source>
        <translation>Modo</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>常亮</source>
        <translation>Fijo</translation>
    </message>
    <message>
        <source>呼吸</source>
        <translation>Respiración</translation>
    </message>
    <message>
        <source>跑马灯</source>
        <translation>Marquesina</translation>
    </message>
    <message>
        <source>速度等级</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>亮度调节</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>颜色选择</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>低</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>暗</source>
        <translation>Oscuro</translation>
    </message>
    <message>
        <source>亮</source>
        <translation>Claro</translation>
    </message>
    <message>
        <source>使用习惯</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>左手</source>
        <translation>Zurdo</translation>
    </message>
    <message>
        <source>右手</source>
        <translation>Diestro</translation>
    </message>
    <message>
        <source>低电提醒设置</source>
        <translation>Aviso de batería baja</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>我的设备</source>
        <translation>Mi dispositivo</translation>
    </message>
    <message>
        <source>自动删除录音</source>
        <translation>Borrar grabaciones automáticamente</translation>
    </message>
    <message>
        <source>录音过程中指示灯熄灭</source>
        <translation>Indicador apagado al grabar</translation>
    </message>
    <message>
        <source>电量:</source>
        <translation>Batería:</translation>
    </message>
    <message>
        <source>固件版本:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Versión </translation>
    </message>
    <message>
        <source>设备序列号:</source>
        <translation>Número de serie:</translation>
    </message>
    <message>
        <source>关于AI鼠标</source>
        <translation>Acerca del ratón IA</translation>
    </message>
    <message>
        <source>软件版本：</source>
        <translation>Versión del software:</translation>
    </message>
    <message>
        <source>固件版本：</source>
        <translation>Versión del firmware:</translation>
    </message>
    <message>
        <source>版本说明</source>
        <translation>Notas de la versión </translation>
    </message>
    <message>
        <source>语音打字，语音翻译，语音搜索，语音控制
划词翻译，截图识别，截图翻译，按键宏定义</source>
        <translation>Escritura por voz, traducción por voz, búsqueda por voz, control por voz
Traducción de palabras, reconocimiento de capturas, traducción de capturas, macros de teclas</translation>
    </message>
    <message>
        <source>升级设备固件</source>
        <translation>Actualizar dispositivo</translation>
    </message>
    <message>
        <source>升级接收器固件</source>
        <translation>Actualizar receptor</translation>
    </message>
    <message>
        <source>取消升级</source>
        <translation>Cancelar actualización</translation>
    </message>
    <message>
        <source>升级后如果连接不上请重新配对</source>
        <translation>Si el dispositivo no se conecta tras la actualización, vuelva a emparejarlo</translation>
    </message>
    <message>
        <source>当前是最新版本</source>
        <translation>Tiene la versión más reciente</translation>
    </message>
    <message>
        <source>升级失败</source>
        <translation>Error de actualización</translation>
    </message>
    <message>
        <source>升级取消</source>
        <translation>Actualización cancelada</translation>
    </message>
    <message>
        <source>固件升级中，退出将中断升级。</source>
        <translation>Hay una actualización de firmware en curso. Salir la detiene.</translation>
    </message>
    <message>
        <source>继续升级</source>
        <translation>Seguir actualizando</translation>
    </message>
    <message>
        <source>取消升级并退出</source>
        <translation>Cancelar y salir</translation>
    </message>
    <message>
        <source>鼠标</source>
        <translation>Ratón</translation>
    </message>
    <message>
        <source>电脑</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>公网</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>一键检测</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>重置驱动</source>
        <translation>Restablecer controlador</translation>
    </message>
    <message>
        <source>当前设备和环境一切正常,请放心使用,如有问题请联系客服</source>
        <translation>Su dispositivo y su entorno funcionan con normalidad. Si tiene algún problema, contacte con atención al cliente</translation>
    </message>
    <message>
        <source>当前设备和环境异常,如有问题请联系客服</source>
        <translation>Hay un problema con su dispositivo o su entorno. Si tiene algún problema, contacte con atención al cliente</translation>
    </message>
    <message>
        <source>转写音频</source>
        <translation>Transcribir audio</translation>
    </message>
    <message>
        <source>转写记录</source>
        <translation>Transcripciones</translation>
    </message>
    <message>
        <source>个人词库</source>
        <translation>Mi vocabulario</translation>
    </message>
    <message>
        <source>充值记录</source>
        <translation>Historial de recargas</translation>
    </message>
    <message>
        <source>昵称</source>
        <translation>Apodo</translation>
    </message>
    <message>
        <source>修改密码</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>可用时长(分钟):</source>
        <translation>Minutos disponibles:</translation>
    </message>
    <message>
        <source>请输入原始密码</source>
        <translation>Introduzca la contraseña actual</translation>
    </message>
    <message>
        <source>请输入新密码</source>
        <translation>Introduzca la nueva contraseña</translation>
    </message>
    <message>
        <source>请再次输入新密码</source>
        <translation>Repita la nueva contraseña</translation>
    </message>
    <message>
        <source>验证码登录</source>
        <translation>Acceder con código</translation>
    </message>
    <message>
        <source>密码登录</source>
        <translation>Acceder con contraseña</translation>
    </message>
    <message>
        <source>手机号</source>
        <translation>Teléfono</translation>
    </message>
    <message>
        <source>请输入手机号</source>
        <translation>Introduzca el teléfono</translation>
    </message>
    <message>
        <source>获取验证码</source>
        <translation>Obtener código</translation>
    </message>
    <message>
        <source>请输入验证码</source>
        <translation>Introduzca el código</translation>
    </message>
    <message>
        <source>请输入密码</source>
        <translation>Introduzca la contraseña</translation>
    </message>
    <message>
        <source>扫一扫</source>
        <translation>Escanear</translation>
    </message>
    <message>
        <source>立即登录</source>
        <translation>para acceder</translation>
    </message>
    <message>
        <source>进入AI智能创作</source>
        <translation>Entrar en creación con IA</translation>
    </message>
    <message>
        <source>重置按键功能</source>
        <translation>Restablecer funciones de teclas</translation>
    </message>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>设置无法保存，更改将在下次启动时丢失</source>
        <translation>No se pueden guardar los ajustes; los cambios se perderán en el próximo inicio</translation>
    </message>
    <message>
        <source>无法写入：</source>
        <translation>No se puede escribir: </translation>
    </message>
    <message>
        <source>语音指令数据库被其他程序占用，指令稍后保存</source>
        <translation>Otro programa está usando la base de datos de comandos de voz; los comandos se guardarán más tarde</translation>
    </message>
    <message>
        <source>语音指令数据库已损坏，已重新创建</source>
        <translation>La base de datos de comandos de voz estaba dañada y se ha creado de nuevo</translation>
    </message>
    <message>
        <source>原文件已另存为：</source>
        <translation>El archivo anterior se guardó como: </translation>
    </message>
    <message>
        <source>正在识别…</source>
        <translation>Reconociendo…</translation>
    </message>
    <message>
        <source>找不到可用的主文件夹，设置和记录都不会保存</source>
        <translation>No hay una carpeta personal utilizable: no se guardarán los ajustes ni los registros</translation>
    </message>
    <message>
        <source>以root身份运行时无法打开AI窗口</source>
        <translation>La ventana de IA no se puede abrir al ejecutar como root</translation>
    </message>
    <message>
        <source>未能记住密码：没有可用的密钥环服务</source>
        <translation>No se pudo recordar la contraseña: no hay ningún servicio de llavero disponible</translation>
    </message>
    <message>
        <source>未能记住密码：密钥环未能保存</source>
        <translation>No se pudo recordar la contraseña: el llavero no la guardó</translation>
    </message>
    <message>
        <source>固件下载失败，将在下次检查时重试</source>
        <translation>La descarga del firmware falló; se reintentará en la próxima comprobación</translation>
    </message>
    <message>
        <source>没有朗读这种语言的语音，已用默认语音朗读</source>
        <translation>No hay ninguna voz para este idioma; se ha leído con la voz predeterminada</translation>
    </message>
    <message>
        <source>原设置文件无法另存，无法读取的设置暂时保留在：</source>
        <translation>No se pudo copiar el archivo de ajustes original; los ajustes ilegibles se conservan por ahora en: </translation>
    </message>
    <message>
        <source>语音指令数据库无法使用，指令只保存在本次运行中</source>
        <translation>No se puede usar la base de datos de comandos de voz; los comandos solo se conservan durante esta sesión</translation>
    </message>
    <message>
        <source>数据库文件保持原样。原因：</source>
        <translation>El archivo de la base de datos se deja como está. Motivo: </translation>
    </message>
    <message>
        <source>按键功能未能加载，将在下次连接设备或打开本页时重新获取</source>
        <translation>No se pudieron cargar las funciones de los botones; se volverán a obtener la próxima vez que se conecte el dispositivo o se abra esta página</translation>
    </message>
    <message>
        <source>未识别到文字</source>
        <translation>No se ha reconocido ningún texto</translation>
    </message>
    <message>
        <source>关于智笔</source>
        <translation>Acerca del puntero</translation>
    </message>
    <message>
        <source>SN:%1         软件版本： %2         固件版本： %3(%4)</source>
        <translation>N.º de serie: %1         Versión del software: %2         Versión del firmware: %3(%4)</translation>
    </message>
    <message>
        <source>升级成功</source>
        <translation>Actualización completada</translation>
    </message>
    <message>
        <source>+添加指令</source>
        <translation>+ Añadir comando</translation>
    </message>
    <message>
        <source>到期时间:%1</source>
        <translation>Caduca: %1</translation>
    </message>
    <message>
        <source>&lt; 返回</source>
        <translation>&lt; Volver</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请检查网络</source>
        <translation>La página de chat con IA de este dispositivo aún no está disponible. Tus preguntas se guardan aquí; comprueba la conexión de red.</translation>
    </message>
    <message>
        <source>该设备的AI对话页面暂未开放，您的问题会先保存在这里，请连接设备并检查网络</source>
        <translation>La página de chat con IA de este dispositivo aún no está disponible. Tus preguntas se guardan aquí; conecta el dispositivo y comprueba la conexión de red.</translation>
    </message>
    <message>
        <source>AI助手</source>
        <translation>Asistente de IA</translation>
    </message>
    <message>
        <source>AI智能写作</source>
        <translation>Escritura con IA</translation>
    </message>
    <message>
        <source>PPT</source>
        <translation>PPT</translation>
    </message>
    <message>
        <source>录音失败</source>
        <translation>Error al grabar</translation>
    </message>
    <message>
        <source>语音识别出错</source>
        <translation>Error en el reconocimiento de voz</translation>
    </message>
    <message>
        <source>固件文件无效，此版本不再下载</source>
        <translation>El archivo de firmware no es válido; esta versión no se volverá a descargar</translation>
    </message>
    <message>
        <source>程序已在您的另一个会话中运行。请在那里使用，或先在那里退出。</source>
        <translation>El programa ya se está ejecutando en otra de sus sesiones. Úselo allí o ciérrelo allí primero.</translation>
    </message>
    <message>
        <source>程序已在运行，但没有响应。请结束它后再重新启动。</source>
        <translation>El programa ya se está ejecutando, pero no responde. Ciérrelo y vuelva a iniciarlo.</translation>
    </message>
</context>
</TS>
